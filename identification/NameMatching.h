// SPDX-FileCopyrightText: 2026 The Leftscan developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>
#include <QStringList>
#include <QStringView>

// The string tests of the owner identification. Lengths count user-perceived characters; containment,
// prefix and equality tests are exact and case-sensitive, and no text contains the empty text.
class NameMatching {
public:
    // Splits at every character of `separators` and keeps the pieces of at least `minimumLength` characters.
    static QStringList splitKeeping(const QString &text, QStringView separators, qsizetype minimumLength);
    // The distinct lower-case words of a name that can tell an owner: at least four characters, stop words out.
    static QStringList tokenizeName(const QString &text);
    static QString stripDigits(QStringView text);
    static bool sharesSubstring(QStringView a, QStringView b, qsizetype minimumLength);
    static qsizetype boundedEditDistance(QStringView a, QStringView b, qsizetype limit);
    static bool isSimilar(QStringView x, QStringView y);
    static bool isFuzzyWordMatch(QStringView x, QStringView y);
    static qsizetype commonPrefixLength(QStringView a, QStringView b);
    static bool contains(QStringView text, QStringView part) { return !part.isEmpty() && text.contains(part); }
    // First letter of every whitespace-separated word upper case, the rest lower case.
    static QString capitalized(const QString &text);
    static qsizetype length(QStringView text);
};
