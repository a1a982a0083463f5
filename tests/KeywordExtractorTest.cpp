// SPDX-FileCopyrightText: 2026 The Leftscan developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "inventory/KeywordExtractor.h"
#include "QtPrinters.h"
#include "model/TextMetrics.h"

#include <gtest/gtest.h>

#include <QSet>

namespace {

QSet<QString> keywords(const char *name)
{
    const QStringList words = KeywordExtractor::extractKeywords(QString::fromUtf8(name));
    return QSet<QString>(words.begin(), words.end());
}

QSet<QString> set(std::initializer_list<const char *> words)
{
    QSet<QString> result;
    for (const char *word : words)
        result.insert(QString::fromUtf8(word));
    return result;
}

} // namespace

TEST(KeywordExtractor, SplitsCamelCaseAndSeparatorsAndKeepsWordsOfThreeCharacters)
{
    EXPECT_EQ(keywords("GoogleChrome"), set({"google", "chrome", "googlechrome"}));
    EXPECT_EQ(keywords("iTerm2"), set({"term2", "iterm2"}));
    EXPECT_EQ(keywords("Visual Studio Code"), set({"visual", "studio", "code", "visual studio code"}));
    EXPECT_EQ(keywords("MyAppHelper"), set({"app", "helper", "myapphelper"}));
    EXPECT_EQ(keywords("foo-bar_baz.qux"), set({"foo", "bar", "baz", "qux"}));
    EXPECT_EQ(keywords("ABCDef"), set({"abcdef"}));
    EXPECT_TRUE(keywords("").isEmpty());
    EXPECT_TRUE(keywords("a-b.c_d").isEmpty());
    // Duplicates appear once.
    EXPECT_EQ(KeywordExtractor::extractKeywords(QStringLiteral("data-data")).size(), 1);
}

TEST(KeywordExtractor, CountsUserPerceivedCharacters)
{
    // "e" + combining acute accent twice: two characters, five code units with the "x".
    EXPECT_EQ(TextMetrics::characterCount(QString::fromUtf8("e\xCC\x81x")), 2);
    EXPECT_TRUE(keywords("e\xCC\x81x").isEmpty());
    // A family emoji joined with zero-width joiners is one character.
    EXPECT_EQ(TextMetrics::characterCount(QString::fromUtf8("\xF0\x9F\x91\xA8\xE2\x80\x8D\xF0\x9F\x91\xA9\xE2\x80\x8D"
                                                            "\xF0\x9F\x91\xA7")),
              1);
    EXPECT_EQ(TextMetrics::characterCount(QStringLiteral("a\r\nb")), 3);
    EXPECT_EQ(keywords("caf\xC3\xA9-b\xC3\xA4r"), set({"caf\xC3\xA9", "b\xC3\xA4r"}));
}
