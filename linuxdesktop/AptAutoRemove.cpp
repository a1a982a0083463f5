// SPDX-FileCopyrightText: 2026 The Leftscan developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "linuxdesktop/AptAutoRemove.h"

#include <QHash>

QSet<QString> AptAutoRemove::automatic(const QByteArray &extendedStates)
{
    // "Package: vlc-bin\nArchitecture: amd64\nAuto-Installed: 1\n\n", one stanza a package and architecture.
    QSet<QString> names;
    QString package;
    for (const QByteArray &line : extendedStates.split('\n')) {
        if (line.startsWith("Package:"))
            package = QString::fromUtf8(line.mid(8).trimmed());
        else if (line.startsWith("Auto-Installed:") && line.mid(15).trimmed() == "1" && !package.isEmpty())
            names.insert(package);
        else if (line.trimmed().isEmpty())
            package.clear();
    }
    return names;
}

QStringList AptAutoRemove::names(const QString &relations)
{
    QStringList result;
    for (const QString &group : relations.split(u',', Qt::SkipEmptyParts)) {
        for (const QString &alternative : group.split(u'|', Qt::SkipEmptyParts)) {
            QString name = alternative.trimmed();
            // "mpv:any (>= 0.3) [amd64] <!nocheck>": the name ends at the first of these.
            for (const QChar end : {u':', u' ', u'(', u'[', u'<'}) {
                const qsizetype at = name.indexOf(end);
                if (at >= 0)
                    name.truncate(at);
            }
            if (!name.isEmpty())
                result.append(name);
        }
    }
    return result;
}

QSet<QString> AptAutoRemove::removable(const std::vector<Package> &installed)
{
    // A relation is met by a package of that name or by one that provides it; apt keeps every installed package
    // that meets a relation of a kept one, whichever alternative it is.
    QHash<QString, QList<std::size_t>> meeting;
    for (std::size_t i = 0; i < installed.size(); ++i) {
        meeting[installed[i].name].append(i);
        for (const QString &name : installed[i].provides)
            meeting[name].append(i);
    }
    std::vector<bool> needed(installed.size(), false);
    std::vector<std::size_t> pending;
    for (std::size_t i = 0; i < installed.size(); ++i) {
        if (installed[i].kept) {
            needed[i] = true;
            pending.push_back(i);
        }
    }
    while (!pending.empty()) {
        const std::size_t current = pending.back();
        pending.pop_back();
        for (const QString &name : installed[current].needs) {
            for (const std::size_t target : meeting.value(name)) {
                if (!needed[target]) {
                    needed[target] = true;
                    pending.push_back(target);
                }
            }
        }
    }
    QSet<QString> result;
    for (std::size_t i = 0; i < installed.size(); ++i) {
        if (!needed[i])
            result.insert(installed[i].name);
    }
    // A package of several architectures stays as long as one of them is needed.
    for (std::size_t i = 0; i < installed.size(); ++i) {
        if (needed[i])
            result.remove(installed[i].name);
    }
    return result;
}
