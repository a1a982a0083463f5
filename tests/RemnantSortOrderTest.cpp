// SPDX-FileCopyrightText: 2026 The Leftscan developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "scanner/RemnantSortOrder.h"
#include "model/Clock.h"
#include "model/RemnantItem.h"
#include "ui/DisplayText.h"

#include <gtest/gtest.h>

namespace {

const QDateTime Now(QDate(2026, 6, 1), QTime(12, 0), Qt::UTC);

RemnantItem record(const char *name, std::optional<QDateTime> opened = std::nullopt,
                   std::optional<QDateTime> used = std::nullopt, std::optional<QDateTime> modified = std::nullopt)
{
    RemnantItem::Fields fields;
    fields.url = std::filesystem::path("/Library/Caches") / name;
    fields.lastOpened = opened;
    fields.lastUsed = used;
    fields.lastModified = modified;
    return RemnantItem(fields);
}

} // namespace

TEST(RemnantSortOrderTest, NamesSortByScalarValueCaseSensitively)
{
    const auto order = RemnantSortOrder::nameAscending;
    EXPECT_TRUE(sortsBefore(order, record("Zeta"), record("alpha")));
    EXPECT_TRUE(sortsBefore(order, record("Cache"), record("cache")));
    EXPECT_FALSE(sortsBefore(order, record("same"), record("same")));
    // U+FF21 (fullwidth A) is below U+1F600 (an emoji, two UTF-16 surrogates) in scalar order, not in UTF-16 order.
    EXPECT_TRUE(sortsBefore(order, record("\xEF\xBC\xA1"), record("\xF0\x9F\x98\x80")));
    EXPECT_FALSE(sortsBefore(order, record("\xF0\x9F\x98\x80"), record("\xEF\xBC\xA1")));
}

TEST(RemnantSortOrderTest, LastUsedPutsUndatedFirstAndFallsBackThroughTheDates)
{
    const auto order = RemnantSortOrder::lastUsedDescending;
    const QDateTime in1990(QDate(1990, 1, 1), QTime(0, 0), Qt::UTC);
    EXPECT_TRUE(sortsBefore(order, record("none"), record("old", in1990)));
    EXPECT_FALSE(sortsBefore(order, record("none"), record("none too")));
    // Spotlight's date wins over the access date, which wins over the modification date.
    EXPECT_TRUE(sortsBefore(order, record("a", std::nullopt, in1990, Now), record("b", std::nullopt, Now, in1990)));
    EXPECT_TRUE(sortsBefore(order, record("a", in1990, Now, Now), record("b", std::nullopt, std::nullopt, Now)));
}

TEST(RemnantSortOrderTest, AgeTextsAndTheLongUnusedHighlight)
{
    Clock::Override clock(Now);
    struct Case {
        int days;
        const char *text;
        bool longUnused;
    };
    for (const Case &c : {Case{400, "1y 35d ago", true}, Case{365, "365d ago", true}, Case{366, "1y 1d ago", true},
                          Case{180, "180d ago", false}, Case{181, "181d ago", true}, Case{0, "0d ago", false}}) {
        const RemnantItem item = record("x", Now.addDays(-c.days));
        EXPECT_EQ(DisplayText::age(item), QString::fromLatin1(c.text)) << c.days;
        EXPECT_EQ(item.isLongUnused(), c.longUnused) << c.days;
    }
    EXPECT_FALSE(DisplayText::age(record("x")));
    EXPECT_FALSE(record("x").isLongUnused());
}
