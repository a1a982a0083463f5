// SPDX-FileCopyrightText: 2026 The Leftscan developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "cli/ProfileChoice.h"

#include "linuxdesktop/LinuxProfile.h"
#include "mac/MacProfile.h"

std::shared_ptr<const Profile> ProfileChoice::make(ScanProfile profile, std::shared_ptr<const Platform> platform)
{
    if (profile == ScanProfile::linuxDesktop)
        return std::make_shared<LinuxProfile>(std::move(platform));
    return std::make_shared<MacProfile>(std::move(platform));
}
