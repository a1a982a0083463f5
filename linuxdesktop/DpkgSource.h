// SPDX-FileCopyrightText: 2026 The Leftscan developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "linuxdesktop/LinuxInventorySource.h"

// Debian's package database: installed packages from /var/lib/dpkg/status, with their source packages, and from
// each package's file list its executables, desktop entries and folders (see PackageNames). Packages removed with
// their settings kept are known under their names, their sources' and their settings' folders. A package that apt
// keeps only until an autoremove, now that the program of its source that needed it was removed, counts as removed
// too (see AptAutoRemove).
class DpkgSource : public LinuxInventorySource {
public:
    void addTo(LinuxInventory &inventory, const Platform &platform) const override;
};
