// SPDX-FileCopyrightText: 2026 The Leftscan developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

class LinuxInventory;
class Platform;

// One place a Linux system records installed software. A source whose files are not there adds nothing.
class LinuxInventorySource {
public:
    virtual ~LinuxInventorySource() = default;
    virtual void addTo(LinuxInventory &inventory, const Platform &platform) const = 0;
};
