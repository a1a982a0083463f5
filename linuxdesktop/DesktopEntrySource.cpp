#include "linuxdesktop/DesktopEntrySource.h"

#include "linuxdesktop/DesktopEntryFile.h"
#include "linuxdesktop/LinuxInventory.h"
#include "linuxdesktop/NameKey.h"
#include "linuxdesktop/SystemFiles.h"
#include "platform/PathNames.h"
#include "platform/Platform.h"

void DesktopEntrySource::addTo(LinuxInventory &inventory, const Platform &platform) const
{
    const std::filesystem::path home = platform.homeDirectory();
    const QStringList systemFolders{"/usr/share/applications", "/usr/local/share/applications",
                                    "/var/lib/flatpak/exports/share/applications"};
    std::vector<std::pair<QString, std::filesystem::path>> places;
    for (const QString &folder : systemFolders)
        places.emplace_back(folder, SystemFiles::local(platform, folder));
    for (const char *folder : {".local/share/applications", ".local/share/flatpak/exports/share/applications"})
        places.emplace_back(PathNames::text(home / folder), home / folder);

    for (const auto &[systemFolder, folder] : places) {
        const auto children = platform.listDirectory(folder, Platform::Hidden::Skip);
        if (!children)
            continue;
        for (const DirectoryEntry &child : *children) {
            const QString fileName = PathNames::fileName(child.path);
            if (child.isDirectory || !fileName.endsWith(QStringLiteral(".desktop")))
                continue;
            const auto bytes = SystemFiles::read(platform, child.path);
            if (!bytes)
                continue;
            const DesktopEntryFile entry = DesktopEntryFile::parse(*bytes);
            const QString id = fileName.chopped(8);
            // An entry counts only while what it starts is there.
            std::optional<InstalledOwner> owner;
            if (!entry.flatpakApp.isEmpty()) {
                if (!inventory.hasFlatpak(entry.flatpakApp))
                    continue;
                owner = InstalledOwner{entry.flatpakApp, QStringLiteral("Flatpak app")};
            } else {
                const std::optional<QString> program = inventory.locateProgram(entry.program, platform);
                if (!program)
                    continue;
                owner = inventory.ownerOfFile(systemFolder + u'/' + fileName);
                if (!owner)
                    owner = inventory.ownerOfFile(*program);
                if (!owner)
                    owner = InstalledOwner{systemFolder + u'/' + fileName, QStringLiteral("menu entry")};
            }
            inventory.add(id, *owner, QStringLiteral("desktop-file ID '%1'").arg(id));
            const QString last = NameKey::reverseDnsLastPart(id);
            if (!last.isEmpty())
                inventory.add(last, *owner, QStringLiteral("desktop-file ID '%1'").arg(id));
            if (!entry.startupWMClass.isEmpty())
                inventory.add(entry.startupWMClass, *owner,
                              QStringLiteral("window class '%1'").arg(entry.startupWMClass));
            if (!entry.name.isEmpty())
                inventory.add(entry.name, *owner, QStringLiteral("menu name '%1'").arg(entry.name));
            if (!entry.icon.isEmpty() && !entry.icon.contains(u'/'))
                inventory.add(entry.icon, *owner, QStringLiteral("icon name '%1'").arg(entry.icon));
        }
    }
}
