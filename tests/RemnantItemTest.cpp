// SPDX-FileCopyrightText: 2026 The Leftscan developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "model/RemnantItem.h"
#include "QtPrinters.h"
#include "model/Clock.h"
#include "ui/DisplayText.h"

#include <atomic>
#include <ctime>
#include <gtest/gtest.h>
#include <thread>
#include <vector>

namespace {

class RemnantItemTest : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        qputenv("TZ", "Europe/Berlin");
        tzset();
    }

    static QDateTime local(int year, int month, int day, int hour = 12, int minute = 0)
    {
        return QDateTime(QDate(year, month, day), QTime(hour, minute));
    }

    static RemnantItemPtr makeItem(RemnantItem::Fields fields = {})
    {
        if (fields.url.empty())
            fields.url = "/Users/someone/Library/Caches/org.zzqx.helper";
        return std::make_shared<RemnantItem>(std::move(fields));
    }

    const QDateTime m_now = local(2024, 6, 15);
    Clock::Override m_clock{m_now};
};

} // namespace

TEST_F(RemnantItemTest, DaysSinceLastUsePrefersSpotlightsDate)
{
    const RemnantItemPtr item = makeItem({.lastModified = local(2023, 6, 15), .lastOpened = local(2024, 6, 5)});
    EXPECT_EQ(item->daysSinceLastUse(), 10);
    EXPECT_EQ(DisplayText::lastUsed(*item), QStringLiteral("1 week ago"));
}

TEST_F(RemnantItemTest, WithoutSpotlightsDateTheRowAndThePaneTellTheModification)
{
    const RemnantItemPtr item = makeItem({.lastModified = local(2024, 6, 12, 12, 1)});
    EXPECT_EQ(item->daysSinceLastUse(), 2);
    EXPECT_EQ(DisplayText::lastUsed(*item), QStringLiteral("2 days ago"));
    EXPECT_FALSE(item->lastUseIsOpening());
}

TEST_F(RemnantItemTest, AccessAndCreationDatesDoNotCountAsUse)
{
    const RemnantItemPtr item = makeItem({.lastUsed = local(2024, 6, 1), .creationDate = local(2020, 1, 1)});
    EXPECT_EQ(item->daysSinceLastUse(), std::nullopt);
    EXPECT_EQ(DisplayText::lastUsed(*item), QStringLiteral("Unknown"));
}

TEST_F(RemnantItemTest, DerivedValuesFollowTheClockAndFutureDates)
{
    const RemnantItemPtr item = makeItem({.lastOpened = local(2024, 6, 18)});
    EXPECT_EQ(item->daysSinceLastUse(), -3);
    EXPECT_EQ(DisplayText::lastUsed(*item), QStringLiteral("in 3 days"));

    Clock::Override later(local(2025, 6, 18));
    EXPECT_EQ(item->daysSinceLastUse(), 365);
    EXPECT_EQ(DisplayText::lastUsed(*item), QStringLiteral("1 year ago"));
}

TEST(Clock, FollowsTheSystemUnlessFixed)
{
    const QDateTime before = QDateTime::currentDateTimeUtc();
    const QDateTime now = Clock::now();
    EXPECT_EQ(now.timeSpec(), Qt::UTC);
    EXPECT_LE(before, now);

    const QDateTime fixed(QDate(2001, 2, 3), QTime(4, 5, 6), Qt::OffsetFromUTC, 3600);
    {
        Clock::Override outer(fixed);
        EXPECT_EQ(Clock::now(), fixed);
        EXPECT_EQ(Clock::now().timeSpec(), Qt::UTC);
        {
            Clock::Override inner(fixed.addDays(1));
            EXPECT_EQ(Clock::now(), fixed.addDays(1));
        }
        EXPECT_EQ(Clock::now(), fixed);
    }
    EXPECT_EQ(Clock::fixedNow(), std::nullopt);
    EXPECT_LE(before, Clock::now());
}

TEST(Clock, CanBeReadWhileAnotherThreadFixesIt)
{
    const QDateTime first(QDate(2010, 1, 1), QTime(0, 0), Qt::UTC);
    const QDateTime second = first.addYears(1);
    Clock::Override fixed(first);
    std::atomic<int> unexpected = 0;
    std::vector<std::thread> readers;
    for (int i = 0; i < 4; ++i) {
        readers.emplace_back([&] {
            for (int j = 0; j < 2000; ++j) {
                const QDateTime now = Clock::now();
                if (now != first && now != second)
                    ++unexpected;
            }
        });
    }
    for (int j = 0; j < 2000; ++j)
        Clock::setFixedNow(j % 2 ? second : first);
    for (std::thread &reader : readers)
        reader.join();
    EXPECT_EQ(unexpected.load(), 0);
    EXPECT_EQ(Clock::now(), second);
}
