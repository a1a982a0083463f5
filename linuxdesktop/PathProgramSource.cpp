// SPDX-FileCopyrightText: 2026 The Leftscan developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "linuxdesktop/PathProgramSource.h"

#include "linuxdesktop/LinuxInventory.h"
#include "linuxdesktop/SystemFiles.h"
#include "platform/PathNames.h"
#include "platform/Platform.h"

void PathProgramSource::addTo(LinuxInventory &inventory, const Platform &platform) const
{
    QStringList folders{"/usr/local/sbin", "/usr/local/bin", "/usr/sbin",        "/usr/bin",
                        "/sbin",           "/bin",           "/usr/local/games", "/usr/games"};
    if (SystemFiles::isLiveSystem(platform)) {
        for (const QString &folder : qEnvironmentVariable("PATH").split(u':', Qt::SkipEmptyParts)) {
            if (folder.startsWith(u'/') && !folders.contains(folder))
                folders.append(folder);
        }
    }
    std::vector<std::pair<QString, std::filesystem::path>> places;
    for (const QString &folder : folders)
        places.emplace_back(folder, SystemFiles::local(platform, folder));
    const std::filesystem::path localBin = platform.homeDirectory() / ".local/bin";
    places.emplace_back(PathNames::text(localBin), localBin);

    for (const auto &[systemFolder, folder] : places) {
        const auto children = platform.listDirectory(folder, Platform::Hidden::Skip);
        if (!children)
            continue;
        for (const DirectoryEntry &child : *children) {
            if (child.isDirectory)
                continue;
            const QString name = PathNames::fileName(child.path);
            const QString path = systemFolder + u'/' + name;
            inventory.addProgram(name, path);
            const InstalledOwner owner = inventory.ownerOfFile(path).value_or(InstalledOwner{path, OwnerKind::program});
            // It still runs, but only until the autoremove that takes the rest of a removed program.
            if (!inventory.isLeftBehind(owner))
                inventory.add(name, owner, NameForm{NameForm::Kind::executable, name});
        }
    }
}
