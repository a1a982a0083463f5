// SPDX-FileCopyrightText: 2026 The Leftscan developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "linuxdesktop/RpmSource.h"

#include "linuxdesktop/LinuxInventory.h"
#include "linuxdesktop/PackageNames.h"
#include "linuxdesktop/SystemFiles.h"
#include "platform/PathNames.h"
#include "platform/Platform.h"

namespace {

// rpm's output for all its packages is far below this.
constexpr qint64 MaximumOutput = 512 * 1024 * 1024;

// The database's folder as the system names it: the newer place first, which the older one often links to.
std::optional<QString> databaseFolder(const Platform &platform)
{
    for (const QString &folder : {QStringLiteral("/usr/lib/sysimage/rpm"), QStringLiteral("/var/lib/rpm")}) {
        for (const char *file : {"rpmdb.sqlite", "Packages.db", "Packages"}) {
            if (platform.exists(SystemFiles::local(platform, folder + u'/' + QString::fromLatin1(file))))
                return folder;
        }
    }
    return std::nullopt;
}

// "gimp-2.10.34-1.fc38.src.rpm" is the source package gimp.
QString sourceName(const QString &sourceRpm)
{
    QString rest = sourceRpm;
    if (!rest.endsWith(QStringLiteral(".rpm")))
        return {};
    rest.chop(4);
    rest.truncate(rest.lastIndexOf(u'.'));
    return RpmSource::nameOf(rest);
}

} // namespace

QString RpmSource::nameOf(const QString &nameVersionRelease)
{
    QString rest = nameVersionRelease;
    for (int part = 0; part < 2; ++part) {
        const qsizetype dash = rest.lastIndexOf(u'-');
        if (dash <= 0)
            return {};
        rest.truncate(dash);
    }
    return rest;
}

void RpmSource::addTo(LinuxInventory &inventory, const Platform &platform) const
{
    const std::optional<QString> database = databaseFolder(platform);
    if (!database)
        return;
    // One line "NAME<TAB>SOURCERPM" per package, then its files one a line: only those begin with "/".
    std::vector<std::string> command{"rpm"};
    if (!SystemFiles::isLiveSystem(platform))
        command.insert(command.end(), {"--root", PathNames::text(platform.systemPath("/")).toStdString()});
    command.insert(command.end(), {"--dbpath", database->toStdString(), "--query", "--all", "--queryformat",
                                   "%{NAME}\\t%{SOURCERPM}\\n[%{FILENAMES}\\n]"});
    const std::optional<QByteArray> output = platform.programOutput(command, MaximumOutput);
    if (!output)
        return;
    struct Listed {
        PackageNames::Package package;
        QList<QByteArray> files;
    };
    std::vector<Listed> listed;
    for (const QByteArray &line : output->split('\n')) {
        if (line.startsWith('/')) {
            if (!listed.empty())
                listed.back().files.append(line);
            continue;
        }
        const qsizetype tab = line.indexOf('\t');
        if (tab <= 0)
            continue;
        const QString name = QString::fromUtf8(line.left(tab));
        // The keys that sign packages are kept in the database as packages.
        if (name == u"gpg-pubkey")
            continue;
        QString source = sourceName(QString::fromUtf8(line.mid(tab + 1)));
        listed.push_back(Listed{{name, source == name ? QString() : source, QString()}, {}});
    }
    PackageNames names(inventory);
    std::vector<PackageNames::Package> packages;
    for (const Listed &entry : listed)
        packages.push_back(entry.package);
    names.addPackages(packages);
    for (const Listed &entry : listed) {
        for (const QByteArray &file : entry.files)
            names.addFile(entry.package, QString::fromUtf8(file));
    }
    names.finish();
}
