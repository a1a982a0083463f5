// SPDX-FileCopyrightText: 2026 The Leftscan developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "linuxdesktop/DpkgSource.h"

#include "linuxdesktop/LinuxInventory.h"
#include "linuxdesktop/PackageNames.h"
#include "linuxdesktop/SystemFiles.h"

namespace {

struct Stanza {
    PackageNames::Package package;
    QString architecture;
    QString status;
    QStringList conffiles;
};

// The packages of the status file, in its order.
std::vector<Stanza> stanzas(const QByteArray &status)
{
    std::vector<Stanza> result;
    Stanza current;
    bool inConffiles = false;
    auto finish = [&] {
        if (!current.package.name.isEmpty())
            result.push_back(std::move(current));
        current = {};
    };
    for (const QByteArray &line : status.split('\n')) {
        if (line.trimmed().isEmpty()) {
            finish();
            inConffiles = false;
            continue;
        }
        if (line.startsWith(' ')) {
            // " /etc/gimp/2.0/gimprc 0123abcd": a conffile and its checksum.
            if (inConffiles)
                current.conffiles.append(QString::fromUtf8(line.trimmed().split(' ').front()));
            continue;
        }
        inConffiles = line.startsWith("Conffiles:");
        if (line.startsWith("Package:"))
            current.package.name = QString::fromUtf8(line.mid(8).trimmed());
        else if (line.startsWith("Source:"))
            // "Source: pidgin (2.14.12-1)": the version is there when it is not the package's.
            current.package.source = QString::fromUtf8(line.mid(7).trimmed().split(' ').front());
        else if (line.startsWith("Architecture:"))
            current.architecture = QString::fromUtf8(line.mid(13).trimmed());
        else if (line.startsWith("Status:"))
            current.status = QString::fromUtf8(line.mid(7).trimmed());
    }
    finish();
    return result;
}

} // namespace

void DpkgSource::addTo(LinuxInventory &inventory, const Platform &platform) const
{
    const auto status =
        SystemFiles::read(platform, SystemFiles::local(platform, QStringLiteral("/var/lib/dpkg/status")));
    if (!status)
        return;
    std::vector<Stanza> installed;
    std::vector<Stanza> removed;
    for (Stanza &stanza : stanzas(*status)) {
        if (stanza.status.endsWith(u" installed"))
            installed.push_back(std::move(stanza));
        else if (stanza.status.endsWith(u" config-files"))
            removed.push_back(std::move(stanza));
    }
    PackageNames names(inventory);
    std::vector<PackageNames::Package> packages;
    for (const Stanza &stanza : installed)
        packages.push_back(stanza.package);
    names.addPackages(packages);
    for (const Stanza &stanza : installed) {
        auto list = SystemFiles::read(
            platform,
            SystemFiles::local(platform, QStringLiteral("/var/lib/dpkg/info/%1.list").arg(stanza.package.name)));
        if (!list) {
            list = SystemFiles::read(platform,
                                     SystemFiles::local(platform, QStringLiteral("/var/lib/dpkg/info/%1:%2.list")
                                                                      .arg(stanza.package.name, stanza.architecture)));
        }
        if (!list)
            continue;
        for (const QByteArray &line : list->split('\n')) {
            if (!line.isEmpty())
                names.addFile(stanza.package, QString::fromUtf8(line));
        }
    }
    names.addFolders();
    // A removed package keeps the day its removal was logged, when the logs still tell it.
    for (const Stanza &stanza : removed) {
        const QString &name = stanza.package.name;
        std::optional<RemovedPackage> removal = inventory.removal(name);
        if (!removal || removal->name != name)
            removal = RemovedPackage{name, QString(), QStringLiteral("dpkg database")};
        inventory.addRemoval(name, *removal);
        if (!stanza.package.source.isEmpty())
            inventory.addRemoval(stanza.package.source, *removal);
        names.addRemovedFolders(*removal, stanza.conffiles);
    }
}
