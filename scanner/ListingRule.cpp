// SPDX-FileCopyrightText: 2026 The Leftscan developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "scanner/ListingRule.h"

#include "scanner/Profile.h"

#include <algorithm>

namespace fs = std::filesystem;

ListingRule::ListingRule(const Profile &profile)
    : m_profile(profile)
{
    for (const Profile::ProtectedPath &guarded : profile.protectedPaths())
        m_protected.push_back(guarded.path);
}

bool ListingRule::isTrashFolderName(std::string_view name)
{
    constexpr std::string_view trash = ".Trash";
    if (!name.starts_with(trash))
        return false;
    name.remove_prefix(trash.size());
    if (name.empty())
        return true;
    // A Trash folder of one user at the top of a file system is named after the user's number.
    return name.size() > 1 && name.front() == '-' &&
           std::all_of(name.begin() + 1, name.end(), [](char c) { return c >= '0' && c <= '9'; });
}

bool ListingRule::lists(const ScanLocation &location, std::string_view name, bool isDirectory) const
{
    if (isTrashFolderName(name))
        return false;
    const fs::path entry = location.path.url / name;
    if (std::any_of(m_protected.begin(), m_protected.end(),
                    [&](const fs::path &guarded) { return ScanLocation::holds(entry, guarded); }))
        return false;
    return m_profile.isCandidate(location, QString::fromUtf8(name.data(), qsizetype(name.size())), isDirectory);
}

bool ListingRule::lists(const fs::path &entry, bool isDirectory) const
{
    const std::vector<ScanLocation> locations = m_profile.scanLocations();
    const fs::path folder = entry.parent_path();
    const auto location = std::find_if(locations.begin(), locations.end(),
                                       [&](const ScanLocation &each) { return each.path.url == folder; });
    return location != locations.end() && lists(*location, entry.filename().native(), isDirectory);
}
