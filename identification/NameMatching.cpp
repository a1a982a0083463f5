// SPDX-FileCopyrightText: 2026 The Leftscan developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "identification/NameMatching.h"

#include "identification/IdentificationWordLists.h"
#include "model/TextMetrics.h"

#include <QSet>
#include <algorithm>
#include <vector>

qsizetype NameMatching::length(QStringView text)
{
    return TextMetrics::characterCount(text);
}

QStringList NameMatching::splitKeeping(const QString &text, QStringView separators, qsizetype minimumLength)
{
    QStringList pieces;
    qsizetype start = 0;
    for (qsizetype i = 0; i <= text.size(); ++i) {
        if (i < text.size() && !separators.contains(text[i]))
            continue;
        // A piece has no more characters than code units, so a shorter one is passed over unread.
        if (i > start && i - start >= minimumLength) {
            QString piece = text.mid(start, i - start);
            if (length(piece) >= minimumLength)
                pieces.append(std::move(piece));
        }
        start = i + 1;
    }
    return pieces;
}

QStringList NameMatching::tokenizeName(const QString &text)
{
    QStringList tokens;
    QSet<QString> seen;
    for (const QString &piece : splitKeeping(text.toLower(), u".-_ ", 4)) {
        const std::string utf8 = piece.toStdString();
        if (IdentificationWordLists::contains(IdentificationWordLists::TokenStopWords, utf8) || seen.contains(piece))
            continue;
        seen.insert(piece);
        tokens.append(piece);
    }
    return tokens;
}

QString NameMatching::stripDigits(QStringView text)
{
    QString result;
    result.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        // ASCII, by far the most common, is told apart here; the rest asks for its numeric property.
        if (const char16_t unit = text[i].unicode(); unit < 0x80) {
            if (unit < u'0' || unit > u'9')
                result.append(QChar(unit));
            continue;
        }
        const bool pair = text[i].isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate();
        const char32_t codePoint = pair ? QChar::surrogateToUcs4(text[i], text[i + 1]) : text[i].unicode();
        if (!QChar::isNumber(codePoint))
            result.append(text.mid(i, pair ? 2 : 1));
        if (pair)
            ++i;
    }
    return result;
}

bool NameMatching::sharesSubstring(QStringView a, QStringView b, qsizetype minimumLength)
{
    if (minimumLength < 1)
        return true;
    const qsizetype lengthA = length(a);
    const qsizetype lengthB = length(b);
    if (lengthA < minimumLength || lengthB < minimumLength)
        return false;
    const QStringView shorter = lengthA <= lengthB ? a : b;
    const QStringView other = lengthA <= lengthB ? b : a;
    const std::vector<qsizetype> bounds = TextMetrics::characterBoundaries(shorter);
    const qsizetype characters = qsizetype(bounds.size()) - 1;
    for (qsizetype i = 0; i + minimumLength <= characters; ++i) {
        const qsizetype from = bounds[std::size_t(i)];
        if (other.contains(shorter.mid(from, bounds[std::size_t(i + minimumLength)] - from)))
            return true;
    }
    return false;
}

qsizetype NameMatching::boundedEditDistance(QStringView a, QStringView b, qsizetype limit)
{
    if (a == b)
        return 0;
    // Compared character by character, each character being one or more code units.
    auto characters = [](QStringView text) {
        const std::vector<qsizetype> bounds = TextMetrics::characterBoundaries(text);
        std::vector<QStringView> result;
        for (std::size_t i = 0; i + 1 < bounds.size(); ++i)
            result.push_back(text.mid(bounds[i], bounds[i + 1] - bounds[i]));
        return result;
    };
    const std::vector<QStringView> x = characters(a);
    const std::vector<QStringView> y = characters(b);
    const qsizetype difference = qsizetype(x.size()) - qsizetype(y.size());
    if (difference > limit || -difference > limit)
        return limit + 1;

    std::vector<qsizetype> previous(y.size() + 1);
    std::vector<qsizetype> current(y.size() + 1);
    for (std::size_t j = 0; j <= y.size(); ++j)
        previous[j] = qsizetype(j);
    for (std::size_t i = 1; i <= x.size(); ++i) {
        current[0] = qsizetype(i);
        qsizetype rowMinimum = current[0];
        for (std::size_t j = 1; j <= y.size(); ++j) {
            const qsizetype substitution = previous[j - 1] + (x[i - 1] == y[j - 1] ? 0 : 1);
            current[j] = std::min({previous[j] + 1, current[j - 1] + 1, substitution});
            rowMinimum = std::min(rowMinimum, current[j]);
        }
        if (rowMinimum > limit)
            return limit + 1;
        std::swap(previous, current);
    }
    return previous[y.size()];
}

bool NameMatching::isSimilar(QStringView x, QStringView y)
{
    const QString a = stripDigits(x);
    const QString b = stripDigits(y);
    if (length(a) < 4 || length(b) < 4)
        return false;
    if (contains(a, b) || contains(b, a))
        return true;
    if (sharesSubstring(a, b, 4))
        return true;
    return boundedEditDistance(a, b, 2) <= 2;
}

bool NameMatching::isFuzzyWordMatch(QStringView x, QStringView y)
{
    const QString a = stripDigits(x);
    const QString b = stripDigits(y);
    if (!isSimilar(a, b))
        return false;
    if ((contains(a, b) && length(b) >= 6) || (contains(b, a) && length(a) >= 6))
        return true;
    return sharesSubstring(a, b, 6);
}

qsizetype NameMatching::commonPrefixLength(QStringView a, QStringView b)
{
    const std::vector<qsizetype> boundsA = TextMetrics::characterBoundaries(a);
    const std::vector<qsizetype> boundsB = TextMetrics::characterBoundaries(b);
    std::size_t count = 0;
    while (count + 1 < boundsA.size() && count + 1 < boundsB.size()) {
        const QStringView x = a.mid(boundsA[count], boundsA[count + 1] - boundsA[count]);
        const QStringView y = b.mid(boundsB[count], boundsB[count + 1] - boundsB[count]);
        if (x != y)
            break;
        ++count;
    }
    return qsizetype(count);
}

QString NameMatching::capitalized(const QString &text)
{
    QString result = text.toLower();
    bool wordStart = true;
    for (QChar &c : result) {
        if (c.isSpace()) {
            wordStart = true;
        } else if (wordStart) {
            c = c.toUpper();
            wordStart = false;
        }
    }
    return result;
}
