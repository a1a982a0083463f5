// SPDX-FileCopyrightText: 2026 The Leftscan developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "linuxdesktop/LaunchTarget.h"
#include "linuxdesktop/LinuxInventorySource.h"

// Menu entries whose program is there: their desktop-file ID, Name, program, StartupWMClass and Icon.
class DesktopEntrySource : public LinuxInventorySource {
public:
    void addTo(LinuxInventory &inventory, const Platform &platform) const override;

    // What a target that names a menu entry starts, through the menu entries it names in turn, each found where
    // the desktop finds it first (the home's menu folders, then the system's). A menu entry that starts itself (an
    // application that D-Bus starts) or nothing that can be known comes to its own file; one that is not there
    // stays as it is. Other targets are what they are.
    static LaunchTarget followed(LaunchTarget target, const Platform &platform);
};
