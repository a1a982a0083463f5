// SPDX-FileCopyrightText: 2026 The Leftscan developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "linuxdesktop/LinuxInventorySource.h"

// Application folders under /opt, and the folders one level below them (/opt/google/chrome).
class OptFolderSource : public LinuxInventorySource {
public:
    void addTo(LinuxInventory &inventory, const Platform &platform) const override;
};
