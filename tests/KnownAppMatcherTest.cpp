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
    EXPECT_EQ(KnownAppMatcher::shared().firstMatch(u"commandq")->row, 938U);
    EXPECT_EQ(KnownAppMatcher::shared().firstMatch(u"smartdrivedx")->row, 76U);
    EXPECT_FALSE(KnownAppMatcher::shared().firstMatch(u""));
}
