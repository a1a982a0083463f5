// SPDX-FileCopyrightText: 2026 The Leftscan developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>
#include <filesystem>
#include <string_view>

// Names of paths for display and key building. These may be lossy for names that are not valid UTF-8;
// file operations always use the path itself.
class PathNames {
public:
    static QString text(const std::filesystem::path &path);
    static QString fileName(const std::filesystem::path &path);
    static QString fileName(std::string_view native);
    // The last path component without its last extension ("Foo.app" -> "Foo", "a.b.pkg" -> "a.b").
    static QString baseName(const std::filesystem::path &path);
    // True when the last component's extension is exactly `extension` (case-sensitive, without the dot).
    static bool hasExtension(const std::filesystem::path &path, std::string_view extension);
    // True for the name of one entry of a folder: not empty, not "." or "..", without a slash.
    static bool isEntryName(std::string_view name);
};
