// SPDX-FileCopyrightText: 2026 The Leftscan developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "platform/FileIdentity.h"

#include <QString>
#include <filesystem>
#include <optional>
#include <string>

// A folder held open after walking its absolute path one name at a time, each step opened without following a
// symbolic link, so that whatever is done in it afterwards happens in that very folder, however the names above it
// change meanwhile. A symbolic link on the way is followed only where nobody but root can rename it: in a folder that
// belongs to root and that neither its group nor others may write. Anywhere else its owner, or whoever may write
// the folder that holds it, could turn it elsewhere at any moment, whoever made it.
class TrustedFolder {
public:
    enum class Links {
        // Links that nobody but root can rename are followed.
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
    // The folder's own identity, taken when it was opened.
    const FileIdentity &identity() const { return m_identity; }
    // The identity of the entry `name` in the folder, never through a symbolic link; absent, with errno set, when
    // it cannot be read.
    std::optional<FileIdentity> identityOf(const std::string &name) const;

private:
    bool walk(const std::filesystem::path &path, Links followed);

    int m_descriptor = -1;
    std::filesystem::path m_path;
    QString m_problem;
    int m_error = 0;
    FileIdentity m_identity;
};
