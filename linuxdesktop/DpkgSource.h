#pragma once

#include "linuxdesktop/LinuxInventorySource.h"

// Debian's package database: installed packages from /var/lib/dpkg/status, and from each package's file list its
// executables and desktop entries.
class DpkgSource : public LinuxInventorySource {
public:
    void addTo(LinuxInventory &inventory, const Platform &platform) const override;
};
