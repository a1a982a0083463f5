// SPDX-FileCopyrightText: 2026 The Leftscan developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "linuxdesktop/RunningProcessSource.h"

#include "linuxdesktop/LinuxInventory.h"
#include "linuxdesktop/SystemFiles.h"
#include "platform/PathNames.h"
#include "platform/RunningProcesses.h"

void RunningProcessSource::addTo(LinuxInventory &inventory, const Platform &platform) const
{
    // The processes are this machine's; they say nothing about a tree standing for another one.
    if (!SystemFiles::isLiveSystem(platform))
        return;
    for (const std::filesystem::path &executable : RunningProcesses::executablePaths()) {
        const QString path = PathNames::text(executable);
        const QString name = PathNames::fileName(executable);
        const InstalledOwner owner =
            inventory.ownerOfFile(path).value_or(InstalledOwner{path, OwnerKind::runningProgram});
        inventory.add(name, owner, NameForm{NameForm::Kind::runningProgram, name});
    }
}
