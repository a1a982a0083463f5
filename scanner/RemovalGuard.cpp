// SPDX-FileCopyrightText: 2026 The Leftscan developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "scanner/RemovalGuard.h"

#include "platform/Platform.h"
#include "platform/TrustedFolder.h"
#include "scanner/Profile.h"
#include "scanner/ScanLocation.h"

#include <algorithm>
#include <cerrno>

namespace fs = std::filesystem;

RemovalGuard::RemovalGuard(const Platform &platform, const Profile &profile, const std::vector<fs::path> &installed)
    : m_platform(platform)
    , m_profile(profile.name())
{
    const auto protect = [&](const fs::path &path, ProtectedPlace place) {
        const auto resolved = platform.resolvedPath(path);
        if (!resolved)
            return;
        Protected guarded{{}, place, path};
        for (fs::path step = *resolved;; step = step.parent_path()) {
            if (const auto identity = platform.identity(step))
                guarded.identities.push_back(*identity);
            if (!step.has_relative_path())
                break;
        }
        m_protected.push_back(std::move(guarded));
    };
    for (const Profile::ProtectedPath &guarded : profile.protectedPaths())
        protect(guarded.path, guarded.place);
    for (const ScanLocation &location : profile.scanLocations()) {
        const fs::path &folder = location.path.url;
        protect(folder, ProtectedPlace::scannedFolder);
        if (!profile.refusal(location) && platform.entryKind(folder) == Platform::EntryKind::folder) {
            if (auto held = platform.holdFolder(folder); held->isOpen())
                m_locations.push_back(std::move(held));
        }
    }
    for (const fs::path &item : installed)
        protect(item, ProtectedPlace::application);
}

std::optional<FailureReason> RemovalGuard::refusal(const fs::path &item,
                                                   std::shared_ptr<const TrustedFolder> *held) const
{
    using Kind = FailureReason::Kind;
    const fs::path name = item.filename();
    if (name.empty() || name == "." || name == "..")
        return FailureReason::of(Kind::notAnEntry);
    FailureReason notListed = FailureReason::of(Kind::notInScannedFolder);
    notListed.profile = m_profile;
    const auto folder = m_platform.holdFolder(item.parent_path());
    if (!folder->isOpen()) {
        if (folder->error() == ELOOP)
            return notListed;
        return FailureReason::of(folder->error() == ENOENT || folder->error() == ENOTDIR ? Kind::noLongerExists
                                                                                         : Kind::folderUnreachable);
    }
    if (const auto identity = folder->identityOf(name.native())) {
        for (const Protected &guarded : m_protected) {
            const auto found = std::find(guarded.identities.begin(), guarded.identities.end(), *identity);
            if (found == guarded.identities.end())
                continue;
            FailureReason reason =
                FailureReason::of(found == guarded.identities.begin() ? Kind::isProtected : Kind::holdsProtected);
            reason.place = guarded.place;
            reason.path = guarded.path;
            return reason;
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
