// SPDX-FileCopyrightText: 2026 The Leftscan developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "model/LocationRefusal.h"

#include "model/RemnantCategory.h"

#include <QString>
#include <filesystem>
#include <optional>
#include <vector>

class Platform;

// One Library folder the scan lists, and the category of what it finds there.
struct ScanLocation {
    struct ScanPath {
        std::filesystem::path url;
    };

    ScanPath path;
    RemnantCategory category = RemnantCategory::other;
    bool recursive = false;
    // The Library folder the folder must lie in: the home's, or the root's for the system's folders. Empty: the
    // folder's parent.
    std::filesystem::path library = {};
    // Entries of the folder that are never listed: the other scanned folders it holds.
    std::vector<QString> skippedNames = {};
    // Whether an entry that the ordinary Trash refuses may be moved with administrator rights: not in a folder that
    // the environment placed outside the home.
    bool allowsAdministrator = true;

    // Why the folder must not be listed, in words that follow "FOLDER was not scanned: ": it is a symbolic link, it
    // resolves outside its Library folder or to that folder itself, or its Library folder resolves to the home, the
    // root or a folder that holds either, or outside the folder that holds it (the home, or the root). Absent when
    // the folder may be listed, and when nothing is there.
    std::optional<LocationRefusal> refusal(const Platform &platform) const;

    // Whether `path` is `folder` or lies below it; both must be resolved paths.
    static bool holds(const std::filesystem::path &folder, const std::filesystem::path &path);
};
