// SPDX-FileCopyrightText: 2026 The Leftscan developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "scanner/RemnantClassifier.h"
#include "QtPrinters.h"

#include <ctime>
#include <gtest/gtest.h>
#include <ostream>

void PrintTo(const RemnantClassifier::Result &result, std::ostream *out)
{
    *out << "{" << result.bundleIdentifier.value_or("null").toStdString() << ", "
         << result.matchedAppName.value_or("null").toStdString() << ", status " << int(result.status) << ", "
         << rawValue(result.risk).toStdString() << "}";
}

namespace {

class RemnantClassifierTest : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        qputenv("TZ", "Europe/Berlin");
        tzset();
    }

    // Noon, local time, in winter: every "days ago" below is a whole number of calendar days.
    const QDateTime m_now = QDateTime(QDate(2024, 1, 20), QTime(12, 0));

    QDateTime daysAgo(qint64 days) const { return m_now.addDays(-days); }
};

} // namespace

TEST_F(RemnantClassifierTest, StatusAndRiskFollowTheVerdictTheDatesAndTheThreshold)
{
    using Result = RemnantClassifier::Result;
    const QString id = QStringLiteral("org.zzqx.helper");
    const QString app = QStringLiteral("Zzqx");
    const Result kept{id, app, RemnantStatus::orphan, RemnantRisk::review};
    const Result recent{id, QStringLiteral("Unknown"), RemnantStatus::stale, RemnantRisk::safe, true};
    const Result installed{id, app, RemnantStatus::stale, RemnantRisk::safe};
    const auto unknown = [&](RemnantRisk risk) {
        return Result{id, app, RemnantStatus::unknown, risk};
    };
    const std::optional<QDateTime> none;
    const QDateTime invalid;
    struct Case {
        const char *what;
        RemnantStatus verdict;
        int threshold;
        std::optional<QDateTime> opened, used, modified;
        Result expected;
        bool anonymous = false; // no bundle identifier and no name from the identification
    };
    const RemnantStatus orphan = RemnantStatus::orphan;
    const Case cases[] = {
        {"opened long ago", orphan, 365, daysAgo(400), none, none, kept},
        {"opened recently", orphan, 365, daysAgo(30), none, none, recent},
        {"no dates at all", orphan, 365, none, none, none, kept},
        // Spotlight's date, then the access date, then the modification date.
        {"access date decides", orphan, 365, none, daysAgo(10), daysAgo(1000), recent},
        {"modification date decides", orphan, 365, none, none, daysAgo(1000), kept},
        {"opened beats modified", orphan, 365, daysAgo(5), none, daysAgo(1000), recent},
        {"opened beats the rest", orphan, 365, daysAgo(1000), daysAgo(1), daysAgo(1), kept},
        // Exactly threshold days old is not older; a day less one minute more is still 365 whole days.
        {"exactly at the threshold", orphan, 365, daysAgo(365), none, none, recent},
        {"a minute short of a day past", orphan, 365, daysAgo(366).addSecs(60), none, none, recent},
        {"a day past the threshold", orphan, 365, daysAgo(366), none, none, kept},
        {"threshold 0, a day old", orphan, 0, none, none, daysAgo(1), kept},
        {"threshold 0, 23 hours old", orphan, 0, none, none, m_now.addSecs(-23 * 3600), recent},
        {"threshold 0, in the future", orphan, 0, none, none, m_now.addDays(3), recent},
        // An age that cannot be told counts as zero days.
        {"invalid date", orphan, 0, invalid, none, daysAgo(1000), recent},
        {"invalid date, threshold -1", orphan, -1, invalid, none, daysAgo(1000), kept},
        {"now, threshold -1", orphan, -1, m_now, none, daysAgo(1000), kept},
        {"installed", RemnantStatus::stale, 0, none, none, none, installed},
        {"installed, unused for years", RemnantStatus::stale, 0, daysAgo(5000), none, daysAgo(5000), installed},
        {"installed, anonymous", RemnantStatus::stale, 0, none, none, none,
         Result{std::nullopt, std::nullopt, RemnantStatus::stale, RemnantRisk::safe}, true},
        {"orphan, anonymous", orphan, 365, none, none, none,
         Result{std::nullopt, std::nullopt, RemnantStatus::orphan, RemnantRisk::review}, true},
        {"recent, anonymous", orphan, 365, none, none, daysAgo(2),
         Result{std::nullopt, QStringLiteral("Unknown"), RemnantStatus::stale, RemnantRisk::safe, true}, true},
        // Unknown verdicts keep their status; the risk is graded by age, without the access date.
        {"unknown, no dates", RemnantStatus::unknown, 100, none, none, none, unknown(RemnantRisk::caution)},
        {"unknown, 201 days", RemnantStatus::unknown, 100, none, none, daysAgo(201), unknown(RemnantRisk::review)},
        {"unknown, 200 days", RemnantStatus::unknown, 100, none, none, daysAgo(200), unknown(RemnantRisk::caution)},
        {"unknown, 101 days", RemnantStatus::unknown, 100, none, none, daysAgo(101), unknown(RemnantRisk::caution)},
        {"unknown, 100 days", RemnantStatus::unknown, 100, none, none, daysAgo(100), unknown(RemnantRisk::safe)},
        {"unknown, opened", RemnantStatus::unknown, 100, daysAgo(5), none, daysAgo(500), unknown(RemnantRisk::safe)},
        {"unknown, invalid", RemnantStatus::unknown, 100, invalid, none, daysAgo(500), unknown(RemnantRisk::safe)},
        {"unknown, used", RemnantStatus::unknown, 100, none, daysAgo(1), none, unknown(RemnantRisk::caution)},
        {"unknown, invalid, -1", RemnantStatus::unknown, -1, invalid, none, none, unknown(RemnantRisk::review)},
        {"unknown, future, -1", RemnantStatus::unknown, -1, m_now.addDays(2), none, none, unknown(RemnantRisk::safe)},
    };
    for (const Case &test : cases) {
        SCOPED_TRACE(test.what);
        RemnantClassifier::Input input{.verdict = test.verdict,
                                       .lastOpened = test.opened,
                                       .lastUsed = test.used,
                                       .lastModified = test.modified,
                                       .thresholdDays = test.threshold,
                                       .now = m_now};
        if (!test.anonymous) {
            input.bundleIdentifier = id;
            input.appName = app;
        }
        EXPECT_EQ(RemnantClassifier::classify(input), test.expected);
        // Where recent use does not make an orphan someone's, every orphan stays one.
        input.recentUseMeansOwned = false;
        if (test.verdict == orphan)
            EXPECT_EQ(RemnantClassifier::classify(input).status, RemnantStatus::orphan);
        else
            EXPECT_EQ(RemnantClassifier::classify(input), test.expected);
    }
}

TEST_F(RemnantClassifierTest, WithoutAnInstantItJudgesAgainstTheClock)
{
    const Clock::Override clock(m_now.addDays(100));
    RemnantClassifier::Input input{.verdict = RemnantStatus::orphan, .lastModified = m_now, .thresholdDays = 99};
    EXPECT_EQ(RemnantClassifier::classify(input).status, RemnantStatus::orphan);
    input.thresholdDays = 100;
    EXPECT_EQ(RemnantClassifier::classify(input).status, RemnantStatus::stale);
}
