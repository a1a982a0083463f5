// SPDX-FileCopyrightText: 2026 The Leftscan developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "QtPrinters.h"
#include "model/DayCount.h"
#include "ui/ByteCountFormatter.h"
#include "ui/MediumDateFormatter.h"
#include "ui/RelativeDateFormatter.h"

#include <ctime>
#include <gtest/gtest.h>
#include <limits>
#include <utility>

namespace {

// All local-time tests run in a zone with daylight saving: 2024-03-31 02:00 -> 03:00, 2024-10-27 03:00 -> 02:00.
class LocalCalendar : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        qputenv("TZ", "Europe/Berlin");
        tzset();
    }

    static QDateTime local(int year, int month, int day, int hour = 12, int minute = 0, int second = 0)
    {
        return QDateTime(QDate(year, month, day), QTime(hour, minute, second));
    }
};

using DayCountTest = LocalCalendar;
using RelativeDateTest = LocalCalendar;
using MediumDateTest = LocalCalendar;

} // namespace

TEST(ByteCountFormatter, BytesKilobytesAndLargerUnitsRoundHalfUpWithTheSignOfNegativeSizes)
{
    const qint64 max = std::numeric_limits<qint64>::max();
    const qint64 min = std::numeric_limits<qint64>::min();
    const std::pair<qint64, const char *> cases[] = {
        {0, "Zero KB"},          {1, "1 byte"},          {2, "2 bytes"},
        {999, "999 bytes"},      {1000, "1 KB"},         {1499, "1 KB"},
        {1500, "2 KB"},          {2500, "3 KB"},         {999499, "999 KB"},
        {999500, "1 MB"},        {1049999, "1 MB"},      {1050000, "1.1 MB"},
        {999949999, "999.9 MB"}, {999950000, "1 GB"},    {1005000000, "1.01 GB"},
        {2345678901, "2.35 GB"}, {999995000000, "1 TB"}, {1500000000000000, "1.5 PB"},
        {max, "9.22 EB"},        {-1, "-1 byte"},        {-532, "-532 bytes"},
        {-1500, "-2 KB"},        {-999999, "-1 MB"},     {min, "-9.22 EB"}};
    for (const auto &[bytes, text] : cases)
        EXPECT_EQ(ByteCountFormatter::fileSize(bytes), QString::fromUtf8(text)) << bytes;
}

TEST(ByteCountFormatter, InALocaleUsesItsDigitsAndDecimalSeparator)
{
    const QLocale german(QLocale::German, QLocale::Germany);
    const QLocale american(QLocale::English, QLocale::UnitedStates);
    EXPECT_EQ(ByteCountFormatter::fileSize(1'500'000, german), QStringLiteral("1,5 MB"));
    EXPECT_EQ(ByteCountFormatter::fileSize(-2'345'678'901, german), QStringLiteral("-2,35 GB"));
    for (const qint64 bytes : {qint64(0), qint64(1), qint64(532), qint64(1'050'000), qint64(999'995'000'000)})
        EXPECT_EQ(ByteCountFormatter::fileSize(bytes, american), ByteCountFormatter::fileSize(bytes)) << bytes;
}

TEST_F(MediumDateTest, WritesTheAbbreviatedMonthInTheLocalesOrder)
{
    const QDateTime date = local(2026, 12, 7);
    EXPECT_EQ(MediumDateFormatter::format(date, QLocale(QLocale::English, QLocale::UnitedStates)), "Dec 7, 2026");
    EXPECT_EQ(MediumDateFormatter::format(date, QLocale(QLocale::English, QLocale::UnitedKingdom)), "7 Dec 2026");
    EXPECT_EQ(MediumDateFormatter::format(date, QLocale(QLocale::German, QLocale::Germany)), "7. Dez. 2026");
    EXPECT_EQ(MediumDateFormatter::format(local(2026, 5, 1), QLocale(QLocale::German, QLocale::Germany)),
              "1. Mai 2026");
}

TEST_F(DayCountTest, CountsWholeLocalCalendarDaysTruncatedTowardZero)
{
    const QDateTime yesterday = local(2024, 5, 9, 10, 0);
    const QDateTime utcNoon(QDate(2024, 3, 30), QTime(11, 0), Qt::UTC); // 12:00 local
    const QDateTime utcNext(QDate(2024, 3, 31), QTime(10, 0), Qt::UTC); // 12:00 local, 23 hours later
    const struct {
        QDateTime from, to;
        qint64 days;
    } cases[] = {
        {yesterday, local(2024, 5, 10, 9, 59), 0},
        {yesterday, local(2024, 5, 10, 10, 0), 1},
        {local(2024, 5, 10, 9, 59), yesterday, 0},
        {local(2024, 5, 10, 10, 0), yesterday, -1},
        {local(2024, 5, 11, 10, 1), yesterday, -2},
        {local(2000, 1, 1), local(2024, 1, 1), 8766},
        // 23 hours of elapsed time over the spring change, 24.5 hours over the autumn change.
        {local(2024, 3, 30, 12), local(2024, 3, 31, 12), 1},
        {local(2024, 3, 31, 12), local(2024, 3, 30, 12), -1},
        {local(2024, 10, 26, 12), local(2024, 10, 27, 11, 30), 0},
        {local(2024, 10, 26, 12), local(2024, 10, 27, 12), 1},
        // Whatever the inputs' zone, the days are counted in the local one.
        {utcNoon, utcNext, 1},
        {utcNoon, utcNext.toOffsetFromUtc(-5 * 3600), 1},
        {QDateTime(), utcNext, 0},
    };
    for (const auto &test : cases)
        EXPECT_EQ(DayCount::daysBetween(test.from, test.to), test.days)
            << test.from.toString(Qt::ISODate).toStdString() << " " << test.to.toString(Qt::ISODate).toStdString();
}

TEST_F(RelativeDateTest, UsesTheLargestNonZeroUnit)
{
    const QDateTime now = local(2024, 6, 15, 12);
    const std::pair<QDateTime, const char *> cases[] = {
        {now.addSecs(-1), "1 second ago"},       {now.addSecs(-59), "59 seconds ago"},
        {now.addSecs(-60), "1 minute ago"},      {now.addSecs(-3599), "59 minutes ago"},
        {now.addSecs(-2 * 3600), "2 hours ago"}, {local(2024, 6, 14, 12, 0, 1), "23 hours ago"},
        {local(2024, 6, 14, 12), "1 day ago"},   {local(2024, 6, 12, 9), "3 days ago"},
        {local(2024, 6, 8, 12), "1 week ago"},   {local(2024, 6, 2, 12), "1 week ago"},
        {local(2024, 6, 1, 12), "2 weeks ago"},  {local(2024, 5, 16, 12), "4 weeks ago"},
        {local(2024, 5, 15, 12), "1 month ago"}, {local(2023, 6, 16, 12), "11 months ago"},
        {local(2023, 6, 15, 12), "1 year ago"},  {local(2021, 1, 1), "3 years ago"},
        {now.addSecs(1), "in 1 second"},         {now.addSecs(3 * 3600 + 59), "in 3 hours"},
        {local(2024, 6, 18, 12), "in 3 days"},   {local(2024, 6, 22, 12), "in 1 week"},
        {local(2026, 6, 15, 12), "in 2 years"},  {local(3024, 6, 15, 12), "in 1,000 years"}};
    for (const auto &[date, text] : cases)
        EXPECT_EQ(RelativeDateFormatter::describe(date, now), QString::fromUtf8(text))
            << date.toString(Qt::ISODate).toStdString();
}

TEST_F(RelativeDateTest, FollowsTheLocalCalendarAndCallsLessThanASecondZeroSeconds)
{
    const QDateTime now = local(2024, 6, 15, 12);
    const struct {
        QDateTime date, now;
        const char *text;
    } cases[] = {
        {now, now, "in 0 seconds"},
        {now.addMSecs(-999), now, "in 0 seconds"},
        {now.addMSecs(999), now, "in 0 seconds"},
        {now.addMSecs(-1000), now, "1 second ago"},
        // Months are counted back from now, so the end of a shorter month still makes a whole month.
        {local(2024, 2, 29, 12), local(2024, 3, 31, 12), "1 month ago"},
        {local(2024, 3, 1, 12), local(2024, 3, 31, 12), "4 weeks ago"},
        {local(2023, 2, 28, 12), local(2024, 2, 29, 12), "1 year ago"},
        // 23 elapsed hours over the spring change are one calendar day, 24.5 over the autumn change are not.
        {local(2024, 3, 30, 12), local(2024, 3, 31, 12), "1 day ago"},
        {local(2024, 10, 26, 12), local(2024, 10, 27, 11, 30), "24 hours ago"},
    };
    for (const auto &test : cases)
        EXPECT_EQ(RelativeDateFormatter::describe(test.date, test.now), QString::fromUtf8(test.text))
            << test.date.toString(Qt::ISODateWithMs).toStdString();
}
