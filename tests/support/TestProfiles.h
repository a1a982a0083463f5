// SPDX-FileCopyrightText: 2026 The Leftscan developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "mac/MacProfile.h"
#include "platform/PosixPlatform.h"

#include <filesystem>
#include <fstream>
#include <memory>

// The Mac profile over a platform that the caller keeps alive for as long as the profile.
inline MacProfile macProfileOver(const Platform &platform)
{
    return MacProfile(std::shared_ptr<const Platform>(&platform, [](const Platform *) {}));
}

// On a Mac a scan of the running system waits for Full Disk Access, which it sees in a readable privacy database: the
// platform is given one of its own, an empty file made in `folder` (outside the scanned home), so that the tests scan
// there too however the privacy control is told to guard it.
inline void grantFullDiskAccess(PosixPlatform &platform, const std::filesystem::path &folder)
{
    const std::filesystem::path database = folder / "TCC.db";
    std::ofstream created(database);
    platform.setPrivacyDatabase(database);
}
