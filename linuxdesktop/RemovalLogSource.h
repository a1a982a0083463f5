// SPDX-FileCopyrightText: 2026 The Leftscan developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "linuxdesktop/LinuxInventorySource.h"

// The packages that the package managers' own logs say were removed, with the day: dpkg's log, apt's history, dnf's
// log of its rpm transactions and pacman's log, each with its last rotated copy that is still plain text. It adds no
// installed software, only removals, and comes before the package databases so that a removed package whose
// settings a database still keeps is known with its day.
class RemovalLogSource : public LinuxInventorySource {
public:
    void addTo(LinuxInventory &inventory, const Platform &platform) const override;
};
