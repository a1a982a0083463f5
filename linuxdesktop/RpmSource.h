// SPDX-FileCopyrightText: 2026 The Leftscan developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "linuxdesktop/LinuxInventorySource.h"

#include <QString>

// The rpm database of Fedora, openSUSE and their kin, read through the rpm command: installed packages with their
// source packages and files (see PackageNames). Skipped when the system has no rpm database.
class RpmSource : public LinuxInventorySource {
public:
    void addTo(LinuxInventory &inventory, const Platform &platform) const override;
    // The package's name in "NAME-VERSION-RELEASE", the epoch in the version when there is one; empty when the text
    // is not of that form.
    static QString nameOf(const QString &nameVersionRelease);
};
