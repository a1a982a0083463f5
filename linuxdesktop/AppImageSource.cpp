// SPDX-FileCopyrightText: 2026 The Leftscan developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "linuxdesktop/AppImageSource.h"

#include "linuxdesktop/LinuxInventory.h"
#include "linuxdesktop/SystemFiles.h"
#include "platform/PathNames.h"
#include "platform/Platform.h"

#include <QRegularExpression>

void AppImageSource::addTo(LinuxInventory &inventory, const Platform &platform) const
{
    const std::filesystem::path home = platform.homeDirectory();
    const std::filesystem::path folders[] = {home / "Applications",
                                             home / "AppImages",
                                             home / ".local/bin",
                                             home / "bin",
                                             home / "Downloads",
                                             SystemFiles::local(platform, QStringLiteral("/opt")),
                                             SystemFiles::local(platform, QStringLiteral("/Applications")),
                                             SystemFiles::local(platform, QStringLiteral("/usr/local/bin"))};
    // "Obsidian-1.4.16.AppImage" and "Cura_5.2-x86_64.AppImage" are Obsidian and Cura.
    static const QRegularExpression version(QStringLiteral("[-_ ](v?[0-9]|x86|amd64|aarch64|arm64|linux).*$"),
                                            QRegularExpression::CaseInsensitiveOption);
    for (const std::filesystem::path &folder : folders) {
        const auto children = platform.listDirectory(folder, Platform::Hidden::Skip);
        if (!children)
            continue;
        for (const DirectoryEntry &child : *children) {
            const QString fileName = PathNames::fileName(child.path);
            if (child.isDirectory || !fileName.endsWith(QStringLiteral(".AppImage"), Qt::CaseInsensitive))
                continue;
            QString name = fileName.chopped(9);
            name.remove(version);
            const InstalledOwner owner{PathNames::text(child.path), OwnerKind::appImage};
            inventory.add(name, owner, NameForm{NameForm::Kind::appImage, fileName});
        }
    }
}
