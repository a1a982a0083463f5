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
        const InstalledOwner owner{path, QStringLiteral("folder in /opt")};
        inventory.add(name, owner, QStringLiteral("folder '%1'").arg(path));
        for (const QString &inner : SystemFiles::names(platform, opt / name.toStdString(), true)) {
            const InstalledOwner innerOwner{path + u'/' + inner, QStringLiteral("folder in /opt")};
            inventory.add(name + u'-' + inner, innerOwner, QStringLiteral("folder '%1/%2'").arg(path, inner));
            inventory.add(inner, innerOwner, QStringLiteral("folder '%1/%2'").arg(path, inner));
        }
    }
}
