// SPDX-FileCopyrightText: 2026 The Leftscan developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "linuxdesktop/NameKey.h"

bool NameKey::isSeparator(QChar c)
{
    return c == u'-' || c == u'_' || c == u'.' || c == u' ' || c == u'+' || c == u'@';
}

QString NameKey::of(const QString &name)
{
    QString key;
    key.reserve(name.size());
    for (const QChar c : name) {
        if (!isSeparator(c))
            key.append(c.toLower());
    }
    return key;
}

QString NameKey::stem(const QString &name)
{
    QString result = name;
    while (result.startsWith(u'.'))
        result.remove(0, 1);
    static const QStringList extensions{".desktop", ".service", ".timer", ".conf",   ".json", ".ini",
                                        ".xml",     ".db",      ".log",   ".sqlite", ".cfg",  ".yaml",
                                        ".yml",     ".toml",    ".lock",  ".list",   ".txt"};
    for (const QString &extension : extensions) {
        if (result.size() > extension.size() && result.endsWith(extension, Qt::CaseInsensitive)) {
            result.chop(extension.size());
            break;
        }
    }
    return result;
}

QString NameKey::reverseDnsLastPart(const QString &name)
{
    const QStringList parts = name.split(u'.');
    if (parts.size() < 3)
        return {};
    static const QStringList domains{"com", "org", "net", "io", "de", "fr", "uk", "us", "dev", "app", "info", "me"};
    if (!domains.contains(parts.front().toLower()) || parts.back().isEmpty())
        return {};
    return parts.back();
}

QStringList NameKey::words(const QString &name)
{
    QStringList result;
    QString current;
    for (qsizetype i = 0; i < name.size(); ++i) {
        const QChar c = name[i];
        const bool caseChange = i > 0 && c.isUpper() && name[i - 1].isLower();
        if (isSeparator(c) || caseChange || c.isDigit()) {
            if (!current.isEmpty())
                result.append(current.toLower());
            current.clear();
            if (isSeparator(c) || c.isDigit())
                continue;
        }
        current.append(c);
    }
    if (!current.isEmpty())
        result.append(current.toLower());
    return result;
}
