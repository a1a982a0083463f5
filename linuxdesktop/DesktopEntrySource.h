#pragma once

#include "linuxdesktop/LinuxInventorySource.h"

// Menu entries whose program is there: their desktop-file ID, Name, program, StartupWMClass and Icon.
class DesktopEntrySource : public LinuxInventorySource {
public:
    void addTo(LinuxInventory &inventory, const Platform &platform) const override;
};
