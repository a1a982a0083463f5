// SPDX-FileCopyrightText: 2026 The Leftscan developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>
#include <filesystem>

// A folder opened by walking its absolute path one name at a time, so that whatever is done in it afterwards
// happens in that very folder, however the names above it change meanwhile. A symbolic link on the way is followed
// only when it belongs to the user or to the system (root): one that somebody else made could lead anywhere.
class TrustedFolder {
public:
    enum class Links {
        // Links of the user or of the system are followed.
        trusted,
        // No link is followed: for a path already resolved, where a link can only have been put since.
        refused,
    };

    explicit TrustedFolder(const std::filesystem::path &path, Links links = Links::trusted);
    ~TrustedFolder();
    TrustedFolder(const TrustedFolder &) = delete;
    TrustedFolder &operator=(const TrustedFolder &) = delete;

    bool isOpen() const { return m_descriptor >= 0; }
    // For the *at() calls; -1 when not open.
    int descriptor() const { return m_descriptor; }
    // The folder's absolute path as the walk reached it, without symbolic links, "." or ".."; empty when not open.
    const std::filesystem::path &path() const { return m_path; }
    // Why the folder could not be opened, such as "its folder /a/b no longer exists"; empty when open.
    const QString &problem() const { return m_problem; }
    // The system's error number behind the problem (ELOOP for a link that is not followed); 0 when open.
    int error() const { return m_error; }

private:
    bool walk(const std::filesystem::path &path, Links followed);

    int m_descriptor = -1;
    std::filesystem::path m_path;
    QString m_problem;
    int m_error = 0;
};
