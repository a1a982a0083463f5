// SPDX-FileCopyrightText: 2026 The Leftscan developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "model/SystemNames.h"

#include <QStringList>

namespace {

template <std::size_t N> QStringList lowerCased(const std::array<std::string_view, N> &list)
{
    QStringList result;
    for (const std::string_view entry : list)
        result.append(QString::fromLatin1(entry.data(), qsizetype(entry.size())).toLower());
    return result;
}

const QStringList &lowerPrefixes()
{
    static const QStringList prefixes = lowerCased(SystemNames::SystemBundlePrefixes);
    return prefixes;
}

bool startsWithSystemPrefix(const QString &lowerText)
{
    for (const QString &prefix : lowerPrefixes()) {
        if (lowerText.startsWith(prefix))
            return true;
    }
    return false;
}

} // namespace

bool SystemNames::isSystemBundleIdentifier(const QString &identifier)
{
    return startsWithSystemPrefix(identifier.toLower());
}

bool SystemNames::isSystemItem(const QString &name)
{
    static const QStringList names = lowerCased(SystemItemNames);
    const QString lower = name.toLower();
    return names.contains(lower) || startsWithSystemPrefix(lower);
}

bool SystemNames::isGenericBundleWord(const QString &lowerCaseWord)
{
    static const QStringList words = lowerCased(GenericBundleWords);
    return words.contains(lowerCaseWord);
}
