// SPDX-FileCopyrightText: 2026 The Leftscan developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "inventory/KeywordExtractor.h"

#include "model/TextMetrics.h"

namespace {

constexpr qsizetype MinimumKeywordLength = 3;

bool isAsciiLower(QChar c)
{
    return c.unicode() >= u'a' && c.unicode() <= u'z';
}

bool isAsciiUpper(QChar c)
{
    return c.unicode() >= u'A' && c.unicode() <= u'Z';
}

// "GoogleChrome" -> "Google Chrome": a space between a lower-case ASCII letter and the upper-case one after it.
QString spacedCamelCase(const QString &name)
{
    QString result;
    result.reserve(name.size() + 8);
    for (qsizetype i = 0; i < name.size(); ++i) {
        result.append(name[i]);
        if (i + 1 < name.size() && isAsciiLower(name[i]) && isAsciiUpper(name[i + 1]))
            result.append(u' ');
    }
    return result;
}

// A name gives a handful of words, so the words kept so far are searched in turn.
void appendWords(const QString &text, QStringView separators, QStringList &words)
{
    qsizetype start = 0;
    for (qsizetype i = 0; i <= text.size(); ++i) {
        if (i < text.size() && !separators.contains(text[i]))
            continue;
        const QStringView word = QStringView(text).mid(start, i - start);
        start = i + 1;
        // No word of fewer code units has enough characters.
        if (word.size() < MinimumKeywordLength || TextMetrics::characterCount(word) < MinimumKeywordLength ||
            words.contains(word))
            continue;
        words.append(word.toString());
    }
}

} // namespace

QStringList KeywordExtractor::extractKeywords(const QString &name)
{
    QStringList words;
    appendWords(spacedCamelCase(name).toLower(), u" -_.", words);
    appendWords(name.toLower(), u"-_.", words);
    return words;
}
