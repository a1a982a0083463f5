// SPDX-FileCopyrightText: 2026 The Leftscan developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "linuxdesktop/LinuxInventorySource.h"

// Programs running now; only on the live system.
class RunningProcessSource : public LinuxInventorySource {
public:
    void addTo(LinuxInventory &inventory, const Platform &platform) const override;
};
