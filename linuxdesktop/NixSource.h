// SPDX-FileCopyrightText: 2026 The Leftscan developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "linuxdesktop/LinuxInventorySource.h"

// Nix profiles: the user's (~/.nix-profile, ~/.local/state/nix/profile) and the system's (/run/current-system/sw,
// /nix/var/nix/profiles/default). A profile's commands link into the store, "/nix/store/<hash>-<name>-<version>",
// which names their package; a profile's manifest lists its packages' store paths.
class NixSource : public LinuxInventorySource {
public:
    void addTo(LinuxInventory &inventory, const Platform &platform) const override;
};
