// SPDX-FileCopyrightText: 2026 The Leftscan developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "linuxdesktop/FlatpakSource.h"

#include "linuxdesktop/LinuxInventory.h"
#include "linuxdesktop/NameKey.h"
#include "linuxdesktop/SystemFiles.h"
#include "platform/Platform.h"
#include "platform/XdgBaseFolders.h"

void FlatpakSource::addTo(LinuxInventory &inventory, const Platform &platform) const
{
    const std::filesystem::path installations[] = {SystemFiles::local(platform, QStringLiteral("/var/lib/flatpak/app")),
                                                   XdgBaseFolders::of(platform.homeDirectory()).data / "flatpak/app"};
    for (const std::filesystem::path &folder : installations) {
        for (const QString &id : SystemFiles::names(platform, folder, true)) {
            const InstalledOwner owner{id, OwnerKind::flatpakApp};
            inventory.addFlatpak(id);
            inventory.addApplication(id);
            inventory.add(id, owner, {NameForm::Kind::flatpakId, id});
            const QString last = NameKey::reverseDnsLastPart(id);
            if (!last.isEmpty()) {
                inventory.addApplication(last);
                inventory.add(last, owner, {NameForm::Kind::flatpakIdLastPart, id});
            }
        }
    }
}
