// SPDX-FileCopyrightText: 2026 The Leftscan developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "scanner/RemovalGuard.h"

#include "platform/PathNames.h"
#include "platform/Platform.h"
#include "platform/TrustedFolder.h"
#include "scanner/Profile.h"
#include "scanner/ScanLocation.h"

#include <algorithm>
#include <cerrno>

namespace fs = std::filesystem;

RemovalGuard::RemovalGuard(const Platform &platform, const Profile &profile, const std::vector<fs::path> &installed)
    : m_platform(platform)
    , m_locationDescription(profile.locationDescription())
{
    const auto protect = [&](const fs::path &path, const QString &description) {
        const auto resolved = platform.resolvedPath(path);
        if (!resolved)
            return;
        Protected guarded{{}, description};
        for (fs::path step = *resolved;; step = step.parent_path()) {
            if (const auto identity = platform.identity(step))
                guarded.identities.push_back(*identity);
            if (!step.has_relative_path())
                break;
        }
        m_protected.push_back(std::move(guarded));
    };
    for (const Profile::ProtectedPath &guarded : profile.protectedPaths())
        protect(guarded.path, guarded.description);
    for (const ScanLocation &location : profile.scanLocations()) {
        const fs::path &folder = location.path.url;
        protect(folder, QStringLiteral("the scanned folder %1").arg(PathNames::text(folder)));
        if (!profile.refusal(location) && platform.entryKind(folder) == Platform::EntryKind::folder) {
            if (auto held = platform.holdFolder(folder); held->isOpen())
                m_locations.push_back(std::move(held));
        }
    }
    for (const fs::path &item : installed)
        protect(item, QStringLiteral("the application %1").arg(PathNames::text(item)));
}

std::optional<QString> RemovalGuard::refusal(const fs::path &item, std::shared_ptr<const TrustedFolder> *held) const
{
    const fs::path name = item.filename();
    if (name.empty() || name == "." || name == "..")
        return QStringLiteral("It is not an entry of a Library folder");
    const QString notListed = QStringLiteral("It is not in %1 that a scan lists").arg(m_locationDescription);
    const auto folder = m_platform.holdFolder(item.parent_path());
    if (!folder->isOpen()) {
        if (folder->error() == ELOOP)
            return notListed;
        return folder->error() == ENOENT || folder->error() == ENOTDIR ? QStringLiteral("It no longer exists")
                                                                       : QStringLiteral("Its folder cannot be reached");
    }
    if (const auto identity = folder->identityOf(name.native())) {
        for (const Protected &guarded : m_protected) {
            const auto found = std::find(guarded.identities.begin(), guarded.identities.end(), *identity);
            if (found == guarded.identities.end())
                continue;
            return (found == guarded.identities.begin() ? QStringLiteral("It is %1") : QStringLiteral("It holds %1"))
                .arg(guarded.description);
        }
    }
    const auto location = std::find_if(m_locations.begin(), m_locations.end(), [&](const auto &candidate) {
        return candidate->identity() == folder->identity();
    });
    if (location == m_locations.end())
        return notListed;
    if (held)
        *held = *location;
    return std::nullopt;
}
