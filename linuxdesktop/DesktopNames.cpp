// SPDX-FileCopyrightText: 2026 The Leftscan developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "linuxdesktop/DesktopNames.h"

#include <QFile>
#include <QSet>
#include <QStringList>

namespace {

struct NameList {
    QSet<QString> exact;
    QStringList prefixes;
};

NameList load()
{
    NameList list;
    QFile file(QStringLiteral(":/data/DesktopNames.txt"));
    if (!file.open(QIODevice::ReadOnly))
        return list;
    for (const QByteArray &rawLine : file.readAll().split('\n')) {
        const QString line = QString::fromUtf8(rawLine).trimmed().toLower();
        if (line.isEmpty() || line.startsWith(u'#'))
            continue;
        if (line.endsWith(u'*'))
            list.prefixes.append(line.chopped(1));
        else
            list.exact.insert(line);
    }
    return list;
}

} // namespace

DesktopNames::Match DesktopNames::match(const QString &name)
{
    static const NameList list = load();
    const QString lower = name.toLower();
    if (list.exact.contains(lower))
        return Match::name;
    for (const QString &prefix : list.prefixes) {
        if (lower.startsWith(prefix))
            return Match::pattern;
    }
    return Match::none;
}
