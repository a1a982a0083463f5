// SPDX-FileCopyrightText: 2026 The Leftscan developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "scanner/ScanLocation.h"

#include "platform/PathNames.h"
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

std::optional<QString> ScanLocation::refusal(const Platform &platform) const
{
    const fs::path &folder = path.url;
    const fs::path base = library.empty() ? folder.parent_path() : library;
    switch (platform.entryKind(folder)) {
    case Platform::EntryKind::missing:
        return std::nullopt;
    case Platform::EntryKind::symbolicLink:
        return QStringLiteral("it is a symbolic link");
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
        return QStringLiteral("it cannot be resolved");
    if (*resolved == *resolvedBase || !holds(*resolvedBase, *resolved)) {
        return QStringLiteral("it resolves to %1, which is not inside %2")
            .arg(PathNames::text(*resolved), PathNames::text(base));
    }
    const std::pair<fs::path, QString> anchors[] = {{platform.homeDirectory(), QStringLiteral("the home folder")},
                                                    {platform.systemPath("/"), QStringLiteral("the root folder")}};
    for (const auto &[anchor, what] : anchors) {
        const auto resolvedAnchor = platform.resolvedPath(anchor);
        if (!resolvedAnchor)
            continue;
        if (holds(*resolvedBase, *resolvedAnchor)) {
            return QStringLiteral("its Library folder %1 resolves to %2, which holds %3")
                .arg(PathNames::text(base), PathNames::text(*resolvedBase), what);
        }
    }
    // The Library itself must stay in the folder that holds it, the home or the root: one linked elsewhere holds
    // somebody else's files.
    const fs::path holder = base.parent_path();
    const auto resolvedHolder = platform.resolvedPath(holder);
    if (!resolvedHolder)
        return QStringLiteral("it cannot be resolved");
    if (!holds(*resolvedHolder, *resolvedBase)) {
        return QStringLiteral("its Library folder %1 resolves to %2, which is not inside %3")
            .arg(PathNames::text(base), PathNames::text(*resolvedBase), PathNames::text(holder));
    }
    return std::nullopt;
}
