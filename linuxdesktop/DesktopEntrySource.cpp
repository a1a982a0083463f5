// SPDX-FileCopyrightText: 2026 The Leftscan developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "linuxdesktop/DesktopEntrySource.h"

#include "linuxdesktop/DesktopEntryFile.h"
#include "linuxdesktop/LinuxInventory.h"
#include "linuxdesktop/NameKey.h"
#include "linuxdesktop/SystemFiles.h"
#include "platform/PathNames.h"
#include "platform/Platform.h"
#include "platform/XdgBaseFolders.h"

#include <algorithm>

namespace {

// The menu folders as the system names them, and where they are here: the system's, then the home's.
std::vector<std::pair<QString, std::filesystem::path>> menuFolders(const Platform &platform)
{
    const std::filesystem::path dataHome = XdgBaseFolders::of(platform.homeDirectory()).data;
    std::vector<std::pair<QString, std::filesystem::path>> places;
    for (const char *folder :
         {"/usr/share/applications", "/usr/local/share/applications", "/var/lib/flatpak/exports/share/applications"})
        places.emplace_back(QString::fromLatin1(folder), SystemFiles::local(platform, QString::fromLatin1(folder)));
    for (const char *folder : {"applications", "flatpak/exports/share/applications"})
        places.emplace_back(PathNames::text(dataHome / folder), dataHome / folder);
    return places;
}

} // namespace

LaunchTarget DesktopEntrySource::followed(LaunchTarget target, const Platform &platform)
{
    const QString home = PathNames::text(platform.homeDirectory());
    auto places = menuFolders(platform);
    // The home's folders first, then the system's in the order the desktop reads them.
    std::rotate(places.begin(), places.begin() + 3, places.end());
    std::reverse(places.begin() + 2, places.end());
    QString file;
    // Menu entries that start each other in a circle come to the last one read.
    for (int step = 0; step < 8 && target.kind == LaunchTarget::Kind::menuEntry; ++step) {
        if (target.name.contains(u'/'))
            return target;
        std::optional<QByteArray> bytes;
        for (const auto &[systemFolder, folder] : places) {
            bytes = SystemFiles::readEntry(platform, folder / (target.name + QStringLiteral(".desktop")).toStdString());
            if (bytes) {
                file = systemFolder + u'/' + target.name + QStringLiteral(".desktop");
                break;
            }
        }
        if (!bytes)
            return target;
        const std::optional<LaunchTarget> next = DesktopEntryFile::parse(*bytes, home).target;
        if (!next || *next == target)
            return LaunchTarget{LaunchTarget::Kind::program, file};
        target = *next;
    }
    return target.kind == LaunchTarget::Kind::menuEntry ? LaunchTarget{LaunchTarget::Kind::program, file} : target;
}

void DesktopEntrySource::addTo(LinuxInventory &inventory, const Platform &platform) const
{
    const QString home = PathNames::text(platform.homeDirectory());
    for (const auto &[systemFolder, folder] : menuFolders(platform)) {
        const auto children = platform.listDirectory(folder, Platform::Hidden::Skip);
        if (!children)
            continue;
        for (const DirectoryEntry &child : *children) {
            const QString fileName = PathNames::fileName(child.path);
            if (child.isDirectory || !fileName.endsWith(QStringLiteral(".desktop")))
                continue;
            const auto bytes = SystemFiles::readEntry(platform, child.path);
            if (!bytes)
                continue;
            const DesktopEntryFile entry = DesktopEntryFile::parse(*bytes, home);
            if (!entry.target)
                continue;
            // An entry counts only while what it starts is there.
            const LaunchTarget target = followed(*entry.target, platform);
            const std::optional<QString> found = inventory.locate(target, platform);
            if (!found)
                continue;
            std::optional<InstalledOwner> owner;
            bool packaged = false;
            if (target.kind == LaunchTarget::Kind::flatpakApp) {
                owner = InstalledOwner{*found, OwnerKind::flatpakApp};
            } else if (target.kind == LaunchTarget::Kind::snap) {
                owner = InstalledOwner{*found, OwnerKind::snap};
            } else {
                owner = inventory.ownerOfFile(systemFolder + u'/' + fileName);
                packaged = owner.has_value();
                if (!owner)
                    owner = inventory.ownerOfFile(*found);
                if (!owner)
                    owner = InstalledOwner{systemFolder + u'/' + fileName, OwnerKind::menuEntry};
                if (inventory.isLeftBehind(*owner))
                    continue;
            }
            const QString id = fileName.chopped(8);
            const NameForm desktopFileId{NameForm::Kind::desktopFileId, id};
            inventory.add(id, *owner, desktopFileId);
            const QString last = NameKey::reverseDnsLastPart(id);
            if (!last.isEmpty())
                inventory.add(last, *owner, desktopFileId);
            // What the menu shows is an application, and so is the package it comes with.
            if (!entry.hidden) {
                inventory.addApplication(id);
                if (!last.isEmpty())
                    inventory.addApplication(last);
                if (packaged)
                    inventory.addApplication(owner->id);
            }
            if (!entry.startupWMClass.isEmpty())
                inventory.add(entry.startupWMClass, *owner, {NameForm::Kind::windowClass, entry.startupWMClass});
            if (!entry.name.isEmpty())
                inventory.add(entry.name, *owner, {NameForm::Kind::menuName, entry.name});
            if (!entry.icon.isEmpty() && !entry.icon.contains(u'/'))
                inventory.add(entry.icon, *owner, {NameForm::Kind::iconName, entry.icon});
        }
    }
}
