// SPDX-FileCopyrightText: 2026 The Leftscan developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "identification/KnownAppMatcher.h"
#include "identification/KnownAppCatalogue.h"

#include <gtest/gtest.h>

#include <QString>
#include <random>

namespace {

std::optional<std::size_t> firstRowByWalking(const QString &text)
{
    const QString lower = text.toLower();
    const auto rows = KnownAppCatalogue::rows();
    for (std::size_t row = 0; row < rows.size(); ++row) {
        if (lower.contains(QString::fromUtf8(rows[row].keyword).toLower()))
            return row;
    }
    return std::nullopt;
}

} // namespace

TEST(KnownAppMatcher, FindsTheSameRowAsWalkingTheCatalogueInOrder)
{
    const auto rows = KnownAppCatalogue::rows();
    std::mt19937 random(7);
    const QString noise = QStringLiteral("qzxjv-._ 19");
    for (int round = 0; round < 3000; ++round) {
        QString text;
        const int pieces = std::uniform_int_distribution<int>(0, 3)(random);
        for (int i = 0; i < pieces; ++i) {
            const QString keyword =
                QString::fromUtf8(rows[std::uniform_int_distribution<std::size_t>(0, rows.size() - 1)(random)].keyword);
            const qsizetype from = std::uniform_int_distribution<qsizetype>(0, keyword.size() - 1)(random);
            text += keyword.mid(from, std::uniform_int_distribution<qsizetype>(1, keyword.size())(random));
            text += noise[std::uniform_int_distribution<qsizetype>(0, noise.size() - 1)(random)];
        }
        const auto match = KnownAppMatcher::shared().firstMatch(text.toLower());
        const auto expected = firstRowByWalking(text);
        ASSERT_EQ(match.has_value(), expected.has_value()) << text.toStdString();
        if (match) {
            EXPECT_EQ(match->row, *expected) << text.toStdString();
        }
    }
    EXPECT_FALSE(KnownAppMatcher::shared().firstMatch(u""));
}

TEST(KnownAppMatcher, EveryCatalogueRowIsCompleteAndTheFirstMatchingRowWins)
{
    const auto rows = KnownAppCatalogue::rows();
    ASSERT_GT(rows.size(), 1000u);
    for (const KnownApp &row : rows) {
        const std::string_view keyword = row.keyword;
        EXPECT_FALSE(keyword.empty());
        EXPECT_EQ(keyword.find('\t'), std::string_view::npos) << keyword;
        EXPECT_FALSE(std::string_view(row.name).empty()) << keyword;
        EXPECT_NE(std::string_view(row.bundleID).find('.'), std::string_view::npos) << keyword;
        EXPECT_EQ(std::string_view(row.bundleID).find_first_of(" \t"), std::string_view::npos) << keyword;
    }
    // Where the keywords of several rows occur, the catalogue's order decides.
    for (const auto &[text, bundleID] : {std::pair{u"adobe.photoshop", "com.adobe.creative-cloud"},
                                         {u"passwords", "com.microsoft.Word"},
                                         {u"zoomus", "com.apple.zoom"},
                                         {u"smartdrivedx", "com.google.GoogleDrive"},
                                         {u"commandq helper", "com.clickontyler.commandq"}}) {
        const auto match = KnownAppMatcher::shared().firstMatch(text);
        ASSERT_TRUE(match) << bundleID;
        EXPECT_EQ(std::string_view(rows[match->row].bundleID), bundleID);
    }
}
