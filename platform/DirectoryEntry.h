// SPDX-FileCopyrightText: 2026 The Leftscan developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <filesystem>

// One child of a listed folder. The path keeps the exact bytes the listing returned.
struct DirectoryEntry {
    std::filesystem::path path;
    bool isDirectory = false; // a real folder, not a symbolic link to one
    bool isSymbolicLink = false;
};
