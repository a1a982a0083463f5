// SPDX-FileCopyrightText: 2026 The Leftscan developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "scanner/ScanLocation.h"

#include "platform/Platform.h"

namespace fs = std::filesystem;

bool ScanLocation::holds(const fs::path &folder, const fs::path &path)
{
    const std::string &outer = folder.native();
    const std::string &inner = path.native();
    if (!inner.starts_with(outer))
        return false;
    return inner.size() == outer.size() || outer.ends_with('/') || inner[outer.size()] == '/';
}

std::optional<LocationRefusal> ScanLocation::refusal(const Platform &platform) const
{
    const fs::path &folder = path.url;
    const fs::path base = library.empty() ? folder.parent_path() : library;
    switch (platform.entryKind(folder)) {
    case Platform::EntryKind::missing:
        return std::nullopt;
    case Platform::EntryKind::symbolicLink:
        return LocationRefusal{LocationRefusal::Kind::symbolicLink};
    case Platform::EntryKind::folder:
        break;
    case Platform::EntryKind::other:
    case Platform::EntryKind::unreachable:
        // Not a folder to list, or one that cannot be reached: the listing itself tells.
        return std::nullopt;
    }

    const auto resolved = platform.resolvedPath(folder);
    const auto resolvedBase = platform.resolvedPath(base);
    if (!resolved || !resolvedBase)
        return LocationRefusal{LocationRefusal::Kind::unresolvable};
    if (*resolved == *resolvedBase || !holds(*resolvedBase, *resolved))
        return LocationRefusal{LocationRefusal::Kind::notInside, *resolved, base};
    const std::pair<fs::path, LocationRefusal::Anchor> anchors[] = {
        {platform.homeDirectory(), LocationRefusal::Anchor::home},
        {platform.systemPath("/"), LocationRefusal::Anchor::root}};
    for (const auto &[anchor, which] : anchors) {
        const auto resolvedAnchor = platform.resolvedPath(anchor);
        if (!resolvedAnchor)
            continue;
        if (holds(*resolvedBase, *resolvedAnchor))
            return LocationRefusal{LocationRefusal::Kind::libraryHolds, *resolvedBase, {}, base, which};
    }
    // The Library itself must stay in the folder that holds it, the home or the root: one linked elsewhere holds
    // somebody else's files.
    const fs::path holder = base.parent_path();
    const auto resolvedHolder = platform.resolvedPath(holder);
    if (!resolvedHolder)
        return LocationRefusal{LocationRefusal::Kind::unresolvable};
    if (!holds(*resolvedHolder, *resolvedBase))
        return LocationRefusal{LocationRefusal::Kind::libraryNotInside, *resolvedBase, holder, base};
    return std::nullopt;
}
