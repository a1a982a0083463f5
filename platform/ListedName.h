// SPDX-FileCopyrightText: 2026 The Leftscan developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <string>

// One child of a listed folder by its name alone, with the exact bytes the listing returned.
struct ListedName {
    std::string name;
    bool isDirectory = false; // a real folder, not a symbolic link to one
    bool isSymbolicLink = false;
};
