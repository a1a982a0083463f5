#include "linuxdesktop/DpkgSource.h"

#include "linuxdesktop/LinuxInventory.h"
#include "linuxdesktop/NameKey.h"
#include "linuxdesktop/SystemFiles.h"

namespace {

const QStringList &programFolders()
{
    static const QStringList folders{"/usr/bin",   "/bin",           "/usr/sbin",       "/sbin",
                                     "/usr/games", "/usr/local/bin", "/usr/local/games"};
    return folders;
}

struct Package {
    QString name;
    QString architecture;
};

std::vector<Package> installedPackages(const QByteArray &status)
{
    std::vector<Package> packages;
    Package current;
    bool installed = false;
    auto finish = [&] {
        if (installed && !current.name.isEmpty())
            packages.push_back(current);
        current = {};
        installed = false;
    };
    for (const QByteArray &line : status.split('\n')) {
        if (line.trimmed().isEmpty()) {
            finish();
            continue;
        }
        if (line.startsWith("Package:"))
            current.name = QString::fromUtf8(line.mid(8).trimmed());
        else if (line.startsWith("Architecture:"))
            current.architecture = QString::fromUtf8(line.mid(13).trimmed());
        else if (line.startsWith("Status:"))
            installed = line.mid(7).trimmed().endsWith(" installed");
    }
    finish();
    return packages;
}

} // namespace

void DpkgSource::addTo(LinuxInventory &inventory, const Platform &platform) const
{
    const auto status =
        SystemFiles::read(platform, SystemFiles::local(platform, QStringLiteral("/var/lib/dpkg/status")));
    if (!status)
        return;
    const std::vector<Package> packages = installedPackages(*status);
    for (const Package &package : packages) {
        const InstalledOwner owner{package.name, QStringLiteral("package")};
        inventory.addPackage(package.name);
        inventory.add(package.name, owner, QStringLiteral("package name '%1'").arg(package.name));
    }
    for (const Package &package : packages) {
        const InstalledOwner owner{package.name, QStringLiteral("package")};
        auto list = SystemFiles::read(
            platform, SystemFiles::local(platform, QStringLiteral("/var/lib/dpkg/info/%1.list").arg(package.name)));
        if (!list) {
            list = SystemFiles::read(
                platform,
                SystemFiles::local(
                    platform, QStringLiteral("/var/lib/dpkg/info/%1:%2.list").arg(package.name, package.architecture)));
        }
        if (!list)
            continue;
        for (const QByteArray &line : list->split('\n')) {
            const QString path = QString::fromUtf8(line.trimmed());
            const qsizetype slash = path.lastIndexOf(u'/');
            if (slash <= 0 || slash + 1 >= path.size())
                continue;
            const QString folder = path.left(slash);
            const QString name = path.mid(slash + 1);
            if (programFolders().contains(folder)) {
                inventory.addFileOwner(path, owner);
                inventory.add(name, owner, QStringLiteral("executable '%1'").arg(name));
            } else if (folder == u"/usr/share/applications" && name.endsWith(u".desktop")) {
                inventory.addFileOwner(path, owner);
                const QString id = name.chopped(8);
                inventory.add(id, owner, QStringLiteral("desktop-file ID '%1'").arg(id));
                const QString last = NameKey::reverseDnsLastPart(id);
                if (!last.isEmpty())
                    inventory.add(last, owner, QStringLiteral("desktop-file ID '%1'").arg(id));
            }
        }
    }
}
