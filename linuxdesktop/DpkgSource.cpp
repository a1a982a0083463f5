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

// The installed packages; those removed with their settings kept go to `removed`.
std::vector<Package> installedPackages(const QByteArray &status, QStringList &removed)
{
    std::vector<Package> packages;
    Package current;
    bool installed = false;
    bool configFiles = false;
    auto finish = [&] {
        if (installed && !current.name.isEmpty())
            packages.push_back(current);
        else if (configFiles && !current.name.isEmpty())
            removed.append(current.name);
        current = {};
        installed = false;
        configFiles = false;
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
        else if (line.startsWith("Status:")) {
            installed = line.mid(7).trimmed().endsWith(" installed");
            configFiles = line.mid(7).trimmed().endsWith(" config-files");
        }
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
    QStringList removed;
    const std::vector<Package> packages = installedPackages(*status, removed);
    for (const QString &name : removed)
        inventory.addRemovedPackage(name);
    // dpkg's log tells the packages removed entirely: "DATE TIME remove NAME:ARCH VERSION <none>".
    if (const auto log =
            SystemFiles::read(platform, SystemFiles::local(platform, QStringLiteral("/var/log/dpkg.log")))) {
        for (const QByteArray &line : log->split('\n')) {
            const QList<QByteArray> fields = line.split(' ');
            if (fields.size() < 4 || (fields[2] != "remove" && fields[2] != "purge"))
                continue;
            inventory.addRemovedPackage(QString::fromUtf8(fields[3].left(fields[3].indexOf(':'))));
        }
    }
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
