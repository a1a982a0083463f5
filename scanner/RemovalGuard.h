// SPDX-FileCopyrightText: 2026 The Leftscan developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "platform/FileIdentity.h"
#include "scanner/FailureReason.h"

#include <QString>
#include <filesystem>
#include <memory>
#include <optional>
#include <vector>

class Platform;
class Profile;
class TrustedFolder;

// The last check before an item is moved to the Trash, tagged or put back. The item must lie directly in one of the
// profile's scan locations that may be listed, and must not be, or hold, a folder that the profile protects (the
// home, the root, their Library folders), a scan location folder or an installed application's own item. The guard
// holds every scan location's folder open from the moment it is made; an item's folder counts as a location only
// when it is that very folder (the same device and inode), reached without a symbolic link that anybody but root
// could rename, and whatever is done to the item afterwards is done in the folder the guard holds. Items are told
// apart from what is protected by their identity too, never by their names. Made on any thread, it reads nothing
// after it is made but the item's folder.
class RemovalGuard {
public:
    // `installed` are the installed software's own items, such as application bundles.
    RemovalGuard(const Platform &platform, const Profile &profile, const std::vector<std::filesystem::path> &installed);

    // Why the item must not be moved or tagged, such as that it holds the home folder; absent when it
    // may be, and then `folder`, when given, receives the scan location's folder that holds it, as the guard holds
    // it: the folder a move must act in. An item that is not there passes, so that it may be put back.
    std::optional<FailureReason> refusal(const std::filesystem::path &item,
                                         std::shared_ptr<const TrustedFolder> *folder = nullptr) const;

private:
    struct Protected {
        // The item's identity first, then those of the folders that hold it, up to the root.
        std::vector<FileIdentity> identities;
        ProtectedPlace place;
        std::filesystem::path path;
    };

    const Platform &m_platform;
    std::vector<Protected> m_protected;
    // The scan locations that may be listed, held open.
    std::vector<std::shared_ptr<const TrustedFolder>> m_locations;
    ScanProfile m_profile;
};
