// SPDX-FileCopyrightText: 2026 The Leftscan developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "linuxdesktop/LinuxInventorySource.h"

// Homebrew on Linux, in /home/linuxbrew/.linuxbrew or ~/.linuxbrew: the formulae in its Cellar, the other names its
// opt folder gives them ("python3" for python@3.12), and the commands it links into its bin folder.
class HomebrewSource : public LinuxInventorySource {
public:
    void addTo(LinuxInventory &inventory, const Platform &platform) const override;
};
