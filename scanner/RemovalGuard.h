// SPDX-FileCopyrightText: 2026 The Leftscan developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>
#include <filesystem>
#include <optional>
#include <vector>

class Platform;
class Profile;

// The last check before an item is moved to the Trash or tagged. The item must lie directly in one of the profile's
// scan locations that may be listed, and must not be, or hold, a folder that the profile protects (the home, the
// root, their Library folders), a scan location folder or an installed application's own item. Paths are compared as
// they resolve at the moment of the check, so that a symbolic link planted above an item cannot make it stand for
// something else; the item itself, which is moved or tagged without following it, is not resolved. The scan's
// folders and the item's folder resolve only through links of the user or of the system: a link of another user,
// such as the owner of a home that the administrator cleans, could lead elsewhere by the time the item is moved. Made
// on any thread, it reads nothing after it is made but the item's folder.
class RemovalGuard {
public:
    // `installed` are the installed software's own items, such as application bundles.
    RemovalGuard(const Platform &platform, const Profile &profile, const std::vector<std::filesystem::path> &installed);

    // Why the item must not be moved or tagged, as a sentence such as "It holds the home folder"; absent when it
    // may be, and then `folder`, when given, receives the item's folder as it resolved for the check: the path that
    // a move must open without following any symbolic link, so that it acts in the folder that was checked.
    std::optional<QString> refusal(const std::filesystem::path &item, std::filesystem::path *folder = nullptr) const;

private:
    struct Protected {
        std::filesystem::path resolved;
        QString description;
    };

    const Platform &m_platform;
    std::vector<Protected> m_protected;
    // The resolved folders of the scan locations that may be listed.
    std::vector<std::filesystem::path> m_locations;
    QString m_locationDescription;
};
