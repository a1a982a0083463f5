// SPDX-FileCopyrightText: 2026 The Leftscan developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "linuxdesktop/LinuxInventorySource.h"

// Arch Linux's package database, /var/lib/pacman/local: each package's desc (its name and package base) and files
// (see PackageNames).
class PacmanSource : public LinuxInventorySource {
public:
    void addTo(LinuxInventory &inventory, const Platform &platform) const override;
};
