// SPDX-FileCopyrightText: 2026 The Leftscan developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "linuxdesktop/LinuxInventorySource.h"

// What the user installed with language package managers and download tools, in the home or /usr/local: cargo's
// crates and ~/.cargo/bin, pipx's virtual environments and the commands they link into ~/.local/bin, npm's global
// packages (in the prefix ~/.npmrc names, ~/.npm-global, ~/.local or /usr/local), ~/go/bin and the applications of
// JetBrains' Toolbox.
class UserInstallSource : public LinuxInventorySource {
public:
    void addTo(LinuxInventory &inventory, const Platform &platform) const override;
};
