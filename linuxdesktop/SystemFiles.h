// SPDX-FileCopyrightText: 2026 The Leftscan developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <filesystem>
#include <optional>
#include <utility>
#include <vector>

class Platform;

// Reading the Linux system's own files through the platform, by their paths as the system knows them
// ("/usr/bin/gimp"), whatever folder stands for "/".
class SystemFiles {
public:
    static std::filesystem::path local(const Platform &platform, const QString &systemPath);
    // The file's bytes, read without touching its access date; absent when it is not there.
    static std::optional<QByteArray> read(const Platform &platform, const std::filesystem::path &path);
    // A menu or autostart entry or a unit file, the same way; absent too when it is larger than any real one.
    static std::optional<QByteArray> readEntry(const Platform &platform, const std::filesystem::path &path);
    // The names in a folder, sorted; folders only or all entries.
    static QStringList names(const Platform &platform, const std::filesystem::path &folder, bool foldersOnly);
    // The symbolic links in a folder, by name, with what each holds ("../Cellar/ripgrep/14.1.0/bin/rg").
    static std::vector<std::pair<QString, QString>> links(const Platform &platform,
                                                          const std::filesystem::path &folder);
    // Whether the folder standing for "/" is the machine's own.
    static bool isLiveSystem(const Platform &platform);
};
