// SPDX-FileCopyrightText: 2026 The Leftscan developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>
#include <filesystem>
#include <optional>

// The root and home folders a front end is given on its command line.
class FolderArguments {
public:
    // $HOME, else the user's entry in the password database, else "/".
    static std::filesystem::path defaultHome();
    // The folder as an absolute, normalised path without a trailing slash; absent, with a one-line `error`, when
    // it is not a folder. The path keeps its exact bytes.
    static std::optional<std::filesystem::path> resolve(const std::filesystem::path &given, QString &error);
    // Whether the folder is the root of the file system, as it resolves now: a home there would have the system's
    // own entries taken for leftovers.
    static bool isFileSystemRoot(const std::filesystem::path &folder);
};
