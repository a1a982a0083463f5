// SPDX-FileCopyrightText: 2026 The Leftscan developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "linuxdesktop/DpkgSource.h"

#include "linuxdesktop/AptAutoRemove.h"
#include "linuxdesktop/LinuxInventory.h"
#include "linuxdesktop/PackageNames.h"
#include "linuxdesktop/SystemFiles.h"

namespace {

struct Stanza {
    PackageNames::Package package;
    QString architecture;
    QString status;
    QStringList conffiles;
    AptAutoRemove::Package relations;
    // Essential, Protected, or of Priority required or important: apt never removes it by itself.
    bool vital = false;
};

// The value of a "Field: value" line, when the line is that field's.
std::optional<QString> field(const QByteArray &line, const char *name)
{
    const QByteArrayView key(name);
    if (!line.startsWith(key) || line.size() <= key.size() || line[key.size()] != ':')
        return std::nullopt;
    return QString::fromUtf8(line.mid(key.size() + 1).trimmed());
}

// The packages of the status file, in its order.
std::vector<Stanza> stanzas(const QByteArray &status)
{
    std::vector<Stanza> result;
    Stanza current;
    bool inConffiles = false;
    auto finish = [&] {
        if (!current.package.name.isEmpty()) {
            current.relations.name = current.package.name;
            result.push_back(std::move(current));
        }
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
        if (const auto value = field(line, "Package")) {
            current.package.name = *value;
        } else if (const auto source = field(line, "Source")) {
            // "Source: pidgin (2.14.12-1)": the version is there when it is not the package's.
            current.package.source = source->split(u' ').front();
        } else if (const auto architecture = field(line, "Architecture")) {
            current.architecture = *architecture;
        } else if (const auto state = field(line, "Status")) {
            current.status = *state;
        } else if (const auto section = field(line, "Section")) {
            current.package.section = *section;
        } else if (const auto provides = field(line, "Provides")) {
            current.relations.provides = AptAutoRemove::names(*provides);
        } else if (const auto priority = field(line, "Priority")) {
            current.vital = current.vital || *priority == u"required" || *priority == u"important";
        } else {
            for (const char *flag : {"Essential", "Protected"})
                current.vital = current.vital || field(line, flag) == QStringLiteral("yes");
            for (const char *relation : {"Depends", "Pre-Depends", "Recommends", "Suggests"}) {
                if (const auto names = field(line, relation))
                    current.relations.needs += AptAutoRemove::names(*names);
            }
        }
    }
    finish();
    return result;
}

// A package's file list, by its name alone or with its architecture ("libc6:amd64.list").
std::optional<QByteArray> fileList(const Platform &platform, const Stanza &stanza)
{
    auto list = SystemFiles::read(
        platform, SystemFiles::local(platform, QStringLiteral("/var/lib/dpkg/info/%1.list").arg(stanza.package.name)));
    if (!list) {
        list = SystemFiles::read(platform,
                                 SystemFiles::local(platform, QStringLiteral("/var/lib/dpkg/info/%1:%2.list")
                                                                  .arg(stanza.package.name, stanza.architecture)));
    }
    return list;
}

// The installed packages that only a removed program of their own source needed: apt's autoremove would take them.
QSet<QString> leftBehind(const std::vector<Stanza> &installed, const LinuxInventory &inventory,
                         const Platform &platform)
{
    const auto states =
        SystemFiles::read(platform, SystemFiles::local(platform, QStringLiteral("/var/lib/apt/extended_states")));
    if (!states)
        return {};
    const QSet<QString> automatic = AptAutoRemove::automatic(*states);
    std::vector<AptAutoRemove::Package> packages;
    QSet<QString> names;
    for (const Stanza &stanza : installed) {
        AptAutoRemove::Package package = stanza.relations;
        package.kept = stanza.vital || !automatic.contains(package.name);
        packages.push_back(std::move(package));
        names.insert(stanza.package.name);
    }
    QSet<QString> result;
    const QSet<QString> removable = AptAutoRemove::removable(packages);
    for (const Stanza &stanza : installed) {
        if (!removable.contains(stanza.package.name))
            continue;
        const QString &source = stanza.package.source.isEmpty() ? stanza.package.name : stanza.package.source;
        const std::optional<RemovedPackage> removal = inventory.removal(source);
        if (removal && !names.contains(removal->name))
            result.insert(stanza.package.name);
    }
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
    // A removed package keeps the day its removal was logged, when the logs still tell it.
    std::vector<RemovedPackage> removals;
    for (const Stanza &stanza : removed) {
        const QString &name = stanza.package.name;
        std::optional<RemovedPackage> removal = inventory.removal(name);
        if (!removal || removal->name != name)
            removal = RemovedPackage{name, QString(), RemovedPackage::Record::dpkgDatabase};
        inventory.addRemoval(name, *removal);
        if (!stanza.package.source.isEmpty())
            inventory.addRemoval(stanza.package.source, *removal);
        removals.push_back(*removal);
    }
    const QSet<QString> left = leftBehind(installed, inventory, platform);
    PackageNames names(inventory);
    std::vector<PackageNames::Package> packages;
    for (const Stanza &stanza : installed) {
        if (left.contains(stanza.package.name))
            inventory.addLeftBehind(stanza.package.name);
        else
            packages.push_back(stanza.package);
    }
    names.addPackages(packages);
    for (const Stanza &stanza : installed) {
        const auto list = fileList(platform, stanza);
        if (!list)
            continue;
        const bool isLeft = left.contains(stanza.package.name);
        for (const QByteArray &line : list->split('\n')) {
            if (line.isEmpty())
                continue;
            if (isLeft)
                names.addLeftBehindFile(stanza.package, QString::fromUtf8(line));
            else
                names.addFile(stanza.package, QString::fromUtf8(line));
        }
    }
    names.finish();
    for (std::size_t i = 0; i < removed.size(); ++i)
        names.addRemovedFolders(removals[i], removed[i].conffiles);
}
