// SPDX-FileCopyrightText: 2026 The Leftscan developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "identification/NameMatching.h"
#include "QtPrinters.h"

#include <gtest/gtest.h>

#include <QSet>

TEST(NameMatching, TokensSplitsAndDigits)
{
    const QStringList tokens = NameMatching::tokenizeName(QStringLiteral("zzqx_sync.helper data"));
    EXPECT_EQ(QSet<QString>(tokens.begin(), tokens.end()), (QSet<QString>{"zzqx", "sync"}));
    EXPECT_EQ(NameMatching::tokenizeName(QStringLiteral("Zzqx-ZZQX.zzqx")), QStringList{"zzqx"});
    EXPECT_EQ(NameMatching::splitKeeping(QStringLiteral("a..bcd-efgh ij"), u".-_ ", 3), (QStringList{"bcd", "efgh"}));
    EXPECT_EQ(NameMatching::stripDigits(u"photoshop2024"), QStringLiteral("photoshop"));
    // Any character with a numeric value goes: Arabic-Indic digits, superscripts, Roman numerals.
    EXPECT_EQ(NameMatching::stripDigits(QString::fromUtf8("a\xD9\xA3"
                                                          "b\xC2\xB2"
                                                          "c\xE2\x85\xA2")),
              QStringLiteral("abc"));
    EXPECT_EQ(NameMatching::stripDigits(u"2024"), QString());
}

TEST(NameMatching, SharedRunsEditDistanceAndPrefixes)
{
    EXPECT_EQ(NameMatching::commonPrefixLength(u"dropbox", u"dropzone"), 4);
    EXPECT_EQ(NameMatching::commonPrefixLength(u"", u"x"), 0);
    EXPECT_TRUE(NameMatching::sharesSubstring(u"dropbox", u"xdropy", 4));
    EXPECT_FALSE(NameMatching::sharesSubstring(u"dropbox", u"xdropy", 6));
    EXPECT_TRUE(NameMatching::sharesSubstring(u"", u"", 0));
    EXPECT_FALSE(NameMatching::sharesSubstring(u"abc", u"abcdef", 4));
    EXPECT_EQ(NameMatching::boundedEditDistance(u"zoomus", u"zoomas", 2), 1);
    EXPECT_EQ(NameMatching::boundedEditDistance(u"abcdefgh", u"abcd", 2), 3);
    EXPECT_EQ(NameMatching::boundedEditDistance(u"kitten", u"sitting", 2), 3);
    EXPECT_EQ(NameMatching::boundedEditDistance(u"kitten", u"sitting", 5), 3);
    EXPECT_EQ(NameMatching::boundedEditDistance(u"same", u"same", 0), 0);
    EXPECT_FALSE(NameMatching::isSimilar(u"abc", u"abcd"));
    EXPECT_TRUE(NameMatching::isSimilar(u"zoom2us", u"zoomas"));
    EXPECT_TRUE(NameMatching::isFuzzyWordMatch(u"spotify", u"spotifyd"));
    EXPECT_FALSE(NameMatching::isFuzzyWordMatch(u"zoomus", u"zoomas"));
    EXPECT_FALSE(NameMatching::isFuzzyWordMatch(u"drop", u"dropbox"));
}

TEST(NameMatching, CountsCharactersNotCodeUnits)
{
    // "e" with a combining accent is one character, so "cafe\u0301s" has five: enough for a word of five, not of six.
    const QString combining = QString::fromUtf8("cafe\xCC\x81s");
    EXPECT_EQ(NameMatching::splitKeeping(combining + QStringLiteral(" ab"), u" ", 5), QStringList{combining});
    EXPECT_TRUE(NameMatching::splitKeeping(combining, u" ", 6).isEmpty());
    const QString emoji = QString::fromUtf8("\xF0\x9F\x9A\x80\xF0\x9F\x9A\x80\xF0\x9F\x9A\x80\xF0\x9F\x9A\x80");
    EXPECT_TRUE(NameMatching::sharesSubstring(emoji, QStringLiteral("x") + emoji, 4));
    EXPECT_EQ(NameMatching::boundedEditDistance(emoji, emoji.left(6) + QStringLiteral("a"), 2), 1);
    EXPECT_EQ(NameMatching::capitalized(QStringLiteral("zzqx studio\tpro")), QStringLiteral("Zzqx Studio\tPro"));
    EXPECT_EQ(NameMatching::capitalized(QStringLiteral("ZZQX.APP")), QStringLiteral("Zzqx.app"));
}
