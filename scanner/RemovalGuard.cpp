// SPDX-FileCopyrightText: 2026 The Leftscan developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "scanner/RemovalGuard.h"

#include "platform/PathNames.h"
#include "platform/Platform.h"
#include "scanner/Profile.h"
#include "scanner/ScanLocation.h"

#include <algorithm>

namespace fs = std::filesystem;

RemovalGuard::RemovalGuard(const Platform &platform, const Profile &profile, const std::vector<fs::path> &installed)
    : m_platform(platform)
    , m_locationDescription(profile.locationDescription())
{
    const auto protect = [&](const fs::path &path, const QString &description) {
        if (const auto resolved = platform.resolvedPath(path))
            m_protected.push_back({*resolved, description});
    };
    for (const Profile::ProtectedPath &guarded : profile.protectedPaths())
        protect(guarded.path, guarded.description);
    for (const ScanLocation &location : profile.scanLocations()) {
        const fs::path &folder = location.path.url;
        protect(folder, QStringLiteral("the scanned folder %1").arg(PathNames::text(folder)));
        if (!profile.refusal(location) && platform.entryKind(folder) == Platform::EntryKind::folder) {
            if (const auto resolved = platform.trustedFolderPath(folder))
                m_locations.push_back(*resolved);
        }
    }
    for (const fs::path &item : installed)
        protect(item, QStringLiteral("the application %1").arg(PathNames::text(item)));
}

std::optional<QString> RemovalGuard::refusal(const fs::path &item, fs::path *folderChecked) const
{
    const fs::path name = item.filename();
    if (name.empty() || name == "." || name == "..")
        return QStringLiteral("It is not an entry of a Library folder");
    const fs::path folder = item.parent_path();
    const auto resolvedFolder = m_platform.trustedFolderPath(folder);
    if (!resolvedFolder) {
        return m_platform.entryKind(folder) == Platform::EntryKind::missing
                   ? QStringLiteral("It no longer exists")
                   : QStringLiteral("Its folder cannot be reached");
    }
    const fs::path resolved = *resolvedFolder / name;
    for (const Protected &guarded : m_protected) {
        if (!ScanLocation::holds(resolved, guarded.resolved))
            continue;
        return (resolved == guarded.resolved ? QStringLiteral("It is %1") : QStringLiteral("It holds %1"))
            .arg(guarded.description);
    }
    if (std::find(m_locations.begin(), m_locations.end(), *resolvedFolder) == m_locations.end())
        return QStringLiteral("It is not in %1 that a scan lists").arg(m_locationDescription);
    if (folderChecked)
        *folderChecked = *resolvedFolder;
    return std::nullopt;
}
