// SPDX-FileCopyrightText: 2026 The Leftscan developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "linuxdesktop/OptFolderSource.h"

#include "linuxdesktop/LinuxInventory.h"
#include "linuxdesktop/SystemFiles.h"

void OptFolderSource::addTo(LinuxInventory &inventory, const Platform &platform) const
{
    const std::filesystem::path opt = SystemFiles::local(platform, QStringLiteral("/opt"));
    for (const QString &name : SystemFiles::names(platform, opt, true)) {
        const QString path = QStringLiteral("/opt/") + name;
        const InstalledOwner owner{path, OwnerKind::optFolder};
        inventory.add(name, owner, NameForm{NameForm::Kind::folder, path});
        for (const QString &inner : SystemFiles::names(platform, opt / name.toStdString(), true)) {
            const InstalledOwner innerOwner{path + u'/' + inner, OwnerKind::optFolder};
            const NameForm folder{NameForm::Kind::folder, innerOwner.id};
            inventory.add(name + u'-' + inner, innerOwner, folder);
            inventory.add(inner, innerOwner, folder);
        }
    }
}
