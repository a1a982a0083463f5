// SPDX-FileCopyrightText: 2026 The Leftscan developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "linuxdesktop/SnapSource.h"

#include "linuxdesktop/LinuxInventory.h"
#include "linuxdesktop/SystemFiles.h"

void SnapSource::addTo(LinuxInventory &inventory, const Platform &platform) const
{
    for (const QString &name :
         SystemFiles::names(platform, SystemFiles::local(platform, QStringLiteral("/snap")), true)) {
        if (name == u"bin")
            continue;
        inventory.addSnap(name);
        inventory.addApplication(name);
        inventory.add(name, InstalledOwner{name, OwnerKind::snap}, NameForm{NameForm::Kind::snapName, name});
    }
}
