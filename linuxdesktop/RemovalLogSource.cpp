// SPDX-FileCopyrightText: 2026 The Leftscan developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "linuxdesktop/RemovalLogSource.h"

#include "linuxdesktop/LinuxInventory.h"
#include "linuxdesktop/RpmSource.h"
#include "linuxdesktop/SystemFiles.h"

#include <QRegularExpression>

namespace {

using Visit = std::function<void(const QString &name, const QString &date)>;

// The lines of a log and of its last rotation, the older first.
QList<QByteArray> logLines(const Platform &platform, const QString &systemPath)
{
    QList<QByteArray> lines;
    for (const QString &path : {systemPath + QStringLiteral(".1"), systemPath}) {
        if (const auto bytes = SystemFiles::read(platform, SystemFiles::local(platform, path)))
            lines += bytes->split('\n');
    }
    return lines;
}

bool isDay(QByteArrayView text)
{
    static const QRegularExpression day(QStringLiteral("^[0-9]{4}-[0-9]{2}-[0-9]{2}$"));
    return text.size() == 10 && day.match(QString::fromLatin1(text)).hasMatch();
}

// "2026-11-02 10:00:00 remove gimp:amd64 2.10.34-1 <none>", and "purge" alike.
void readDpkgLog(const Platform &platform, const Visit &visit)
{
    for (const QByteArray &line : logLines(platform, QStringLiteral("/var/log/dpkg.log"))) {
        const QList<QByteArray> fields = line.split(' ');
        if (fields.size() < 4 || (fields[2] != "remove" && fields[2] != "purge") || !isDay(fields[0]))
            continue;
        const QByteArray &package = fields[3];
        const qsizetype colon = package.indexOf(':');
        visit(QString::fromUtf8(colon < 0 ? package : package.left(colon)), QString::fromLatin1(fields[0]));
    }
}

// "Start-Date: 2026-11-02  10:00:00" opens a run; "Remove: gimp:amd64 (2.10.34-1), gimp-data:all (2.10.34-1)" and
// "Purge: ..." list what it removed.
void readAptHistory(const Platform &platform, const Visit &visit)
{
    static const QRegularExpression package(QStringLiteral("([^\\s,:()]+)(?::[^\\s,()]+)? \\([^)]*\\)"));
    QString date;
    for (const QByteArray &line : logLines(platform, QStringLiteral("/var/log/apt/history.log"))) {
        if (line.startsWith("Start-Date:")) {
            const QByteArray day = line.mid(11).trimmed().left(10);
            date = isDay(day) ? QString::fromLatin1(day) : QString();
        } else if (!date.isEmpty() && (line.startsWith("Remove:") || line.startsWith("Purge:"))) {
            const QString list = QString::fromUtf8(line.mid(line.indexOf(':') + 1));
            for (const QRegularExpressionMatch &match : package.globalMatch(list))
                visit(match.captured(1), date);
        }
    }
}

// "NAME-VERSION-RELEASE.ARCH", the epoch in the version when there is one: "gimp-2:2.10.34-1.fc38.x86_64".
QString rpmName(const QString &nevra)
{
    return RpmSource::nameOf(nevra.left(nevra.lastIndexOf(u'.')));
}

// "2026-11-02T10:00:00+0000 SUBDEBUG Erase: gimp-2:2.10.34-1.fc38.x86_64"; an upgrade's old version is "Cleanup".
void readDnfLog(const Platform &platform, const Visit &visit)
{
    static const QRegularExpression erase(
        QStringLiteral("^([0-9]{4}-[0-9]{2}-[0-9]{2})T\\S*\\s+\\S+\\s+(?:Erase|Erased|Removed):\\s+(\\S+)"));
    for (const QByteArray &line : logLines(platform, QStringLiteral("/var/log/dnf.rpm.log"))) {
        if (!line.contains("Erase") && !line.contains("Removed"))
            continue;
        const QRegularExpressionMatch match = erase.match(QString::fromUtf8(line));
        const QString name = match.hasMatch() ? rpmName(match.captured(2)) : QString();
        if (!name.isEmpty())
            visit(name, match.captured(1));
    }
}

// "[2026-11-02T10:00:00+0100] [ALPM] removed gimp (2.10.34-1)", or "[2019-01-02 10:00] [ALPM] removed ..." before.
void readPacmanLog(const Platform &platform, const Visit &visit)
{
    for (const QByteArray &line : logLines(platform, QStringLiteral("/var/log/pacman.log"))) {
        const qsizetype at = line.indexOf("] removed ");
        if (!line.startsWith('[') || at < 0 || !isDay(line.mid(1, 10)))
            continue;
        const QByteArray rest = line.mid(at + 10);
        visit(QString::fromUtf8(rest.left(rest.indexOf(' '))), QString::fromLatin1(line.mid(1, 10)));
    }
}

} // namespace

void RemovalLogSource::addTo(LinuxInventory &inventory, const Platform &platform) const
{
    using Record = RemovedPackage::Record;
    const std::pair<void (*)(const Platform &, const Visit &), Record> logs[] = {{readDpkgLog, Record::dpkgLog},
                                                                                 {readAptHistory, Record::aptHistory},
                                                                                 {readDnfLog, Record::dnfLog},
                                                                                 {readPacmanLog, Record::pacmanLog}};
    for (const auto &[read, kind] : logs) {
        const Record record = kind;
        read(platform, [&](const QString &name, const QString &date) {
            if (!name.isEmpty())
                inventory.addRemoval(name, RemovedPackage{name, date, record});
        });
    }
}
