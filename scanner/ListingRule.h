// SPDX-FileCopyrightText: 2026 The Leftscan developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "scanner/ScanLocation.h"

#include <filesystem>
#include <string_view>
#include <vector>

class Profile;

// Which entries of its folders a scan lists, whatever software is installed: those the profile counts, but never a
// Trash folder (".Trash", ".Trash-1000", wherever one lies: one is made at the top of every file system that an item
// is trashed from, a cache folder mounted on its own among them), and never a folder that the profile protects (the
// home, the root, the home's Trash) nor one that holds such a folder. A scan lists by it, and an item goes back from
// the Trash only under a name it accepts, so that nothing is put back that `trash` would refuse.
class ListingRule {
public:
    explicit ListingRule(const Profile &profile);

    bool lists(const ScanLocation &location, std::string_view name, bool isDirectory) const;
    // Whether a scan lists `entry` in the first scan location whose folder holds it directly.
    bool lists(const std::filesystem::path &entry, bool isDirectory) const;

    static bool isTrashFolderName(std::string_view name);

private:
    const Profile &m_profile;
    std::vector<std::filesystem::path> m_protected;
};
