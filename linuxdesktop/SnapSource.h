#pragma once

#include "linuxdesktop/LinuxInventorySource.h"

// Snaps, by the folders under /snap.
class SnapSource : public LinuxInventorySource {
public:
    void addTo(LinuxInventory &inventory, const Platform &platform) const override;
};
