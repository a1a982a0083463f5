#include "inventory/KeywordExtractor.h"

#include "model/TextMetrics.h"

#include <QSet>

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

void appendWords(const QString &text, QStringView separators, QStringList &words, QSet<QString> &seen)
{
    qsizetype start = 0;
    for (qsizetype i = 0; i <= text.size(); ++i) {
        if (i < text.size() && !separators.contains(text[i]))
            continue;
        const QString word = text.mid(start, i - start);
        start = i + 1;
        if (word.isEmpty() || TextMetrics::characterCount(word) < MinimumKeywordLength || seen.contains(word))
            continue;
        seen.insert(word);
        words.append(word);
    }
}

} // namespace

QStringList KeywordExtractor::extractKeywords(const QString &name)
{
    QStringList words;
    QSet<QString> seen;
    appendWords(spacedCamelCase(name).toLower(), u" -_.", words, seen);
    appendWords(name.toLower(), u"-_.", words, seen);
    return words;
}
