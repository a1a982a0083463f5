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

    RemnantClassifier::Input orphan(int threshold = 365) const
    {
        return {.bundleIdentifier = QStringLiteral("org.zzqx.helper"),
                .appName = QStringLiteral("Zzqx"),
                .verdict = RemnantStatus::orphan,
                .thresholdDays = threshold,
                .now = m_now};
    }

    static RemnantClassifier::Result keptOrphan()
    {
        return {QStringLiteral("org.zzqx.helper"), QStringLiteral("Zzqx"), RemnantStatus::orphan, RemnantRisk::review};
    }
    static RemnantClassifier::Result recentlyUsed()
    {
        return {QStringLiteral("org.zzqx.helper"), QStringLiteral("Unknown"), RemnantStatus::stale, RemnantRisk::safe};
    }
};

RemnantClassifier::Result classify(RemnantClassifier::Input input)
{
    return RemnantClassifier::classify(input);
}

} // namespace

TEST_F(RemnantClassifierTest, OrphansAreJudgedByTheirAgeAgainstTheThreshold)
{
    RemnantClassifier::Input input = orphan();
    input.lastOpened = daysAgo(400);
    EXPECT_EQ(classify(input), keptOrphan());

    input.lastOpened = daysAgo(30);
    EXPECT_EQ(classify(input), recentlyUsed());

    EXPECT_EQ(classify(orphan()), keptOrphan());
}

TEST_F(RemnantClassifierTest, OrphansFallBackFromSpotlightToAccessToModification)
{
    RemnantClassifier::Input input = orphan();
    input.lastUsed = daysAgo(10);
    input.lastModified = daysAgo(1000);
    EXPECT_EQ(classify(input), recentlyUsed());

    input.lastUsed.reset();
    EXPECT_EQ(classify(input), keptOrphan());

    input.lastOpened = daysAgo(5);
    EXPECT_EQ(classify(input), recentlyUsed());

    input.lastOpened = daysAgo(1000);
    input.lastUsed = daysAgo(1);
    input.lastModified = daysAgo(1);
    EXPECT_EQ(classify(input), keptOrphan());
}

TEST_F(RemnantClassifierTest, AnEntryExactlyThresholdDaysOldIsNotOlder)
{
    RemnantClassifier::Input input = orphan(365);
    input.lastOpened = daysAgo(365);
    EXPECT_EQ(classify(input), recentlyUsed());
    // A day less one minute more is still 365 whole days.
    input.lastOpened = daysAgo(366).addSecs(60);
    EXPECT_EQ(classify(input), recentlyUsed());
    input.lastOpened = daysAgo(366);
    EXPECT_EQ(classify(input), keptOrphan());
}

TEST_F(RemnantClassifierTest, ThresholdZeroKeepsEverythingAtLeastADayOld)
{
    RemnantClassifier::Input input = orphan(0);
    input.lastModified = daysAgo(1);
    EXPECT_EQ(classify(input), keptOrphan());
    input.lastModified = m_now.addSecs(-23 * 3600);
    EXPECT_EQ(classify(input), recentlyUsed());
    input.lastModified = m_now.addDays(3);
    EXPECT_EQ(classify(input), recentlyUsed());
}

TEST_F(RemnantClassifierTest, AnAgeThatCannotBeToldCountsAsZeroDays)
{
    RemnantClassifier::Input input = orphan(0);
    input.lastOpened = QDateTime();
    input.lastModified = daysAgo(1000);
    EXPECT_EQ(classify(input), recentlyUsed());

    input.thresholdDays = -1;
    EXPECT_EQ(classify(input), keptOrphan());
    input.lastOpened = m_now;
    EXPECT_EQ(classify(input), keptOrphan());
}

TEST_F(RemnantClassifierTest, InstalledOwnersAreAlwaysStaleAndSafe)
{
    RemnantClassifier::Input input = orphan(0);
    input.verdict = RemnantStatus::stale;
    const RemnantClassifier::Result expected{QStringLiteral("org.zzqx.helper"), QStringLiteral("Zzqx"),
                                             RemnantStatus::stale, RemnantRisk::safe};
    EXPECT_EQ(classify(input), expected);
    input.lastOpened = daysAgo(5000);
    input.lastModified = daysAgo(5000);
    EXPECT_EQ(classify(input), expected);

    input.bundleIdentifier.reset();
    input.appName.reset();
    EXPECT_EQ(classify(input),
              (RemnantClassifier::Result{std::nullopt, std::nullopt, RemnantStatus::stale, RemnantRisk::safe}));
}

TEST_F(RemnantClassifierTest, TheBundleIdentifierIsPassedOnUnchanged)
{
    RemnantClassifier::Input input = orphan();
    input.bundleIdentifier.reset();
    input.appName.reset();
    EXPECT_EQ(classify(input),
              (RemnantClassifier::Result{std::nullopt, std::nullopt, RemnantStatus::orphan, RemnantRisk::review}));
    input.lastModified = daysAgo(2);
    EXPECT_EQ(classify(input), (RemnantClassifier::Result{std::nullopt, QStringLiteral("Unknown"), RemnantStatus::stale,
                                                          RemnantRisk::safe}));
}

TEST_F(RemnantClassifierTest, UnknownVerdictsGradeRiskByAgeAndKeepTheirStatus)
{
    RemnantClassifier::Input input = orphan(100);
    input.verdict = RemnantStatus::unknown;
    const auto riskFor = [&](std::optional<QDateTime> opened, std::optional<QDateTime> modified) {
        input.lastOpened = std::move(opened);
        input.lastModified = std::move(modified);
        const RemnantClassifier::Result result = classify(input);
        EXPECT_EQ(result.status, RemnantStatus::unknown);
        EXPECT_EQ(result.matchedAppName, QStringLiteral("Zzqx"));
        EXPECT_EQ(result.bundleIdentifier, QStringLiteral("org.zzqx.helper"));
        return result.risk;
    };

    EXPECT_EQ(riskFor(std::nullopt, std::nullopt), RemnantRisk::caution);
    EXPECT_EQ(riskFor(std::nullopt, daysAgo(201)), RemnantRisk::review);
    EXPECT_EQ(riskFor(std::nullopt, daysAgo(200)), RemnantRisk::caution);
    EXPECT_EQ(riskFor(std::nullopt, daysAgo(101)), RemnantRisk::caution);
    EXPECT_EQ(riskFor(std::nullopt, daysAgo(100)), RemnantRisk::safe);
    EXPECT_EQ(riskFor(daysAgo(5), daysAgo(500)), RemnantRisk::safe);
    EXPECT_EQ(riskFor(QDateTime(), daysAgo(500)), RemnantRisk::safe);

    // The access date is not consulted for unknown verdicts.
    input.lastUsed = daysAgo(1);
    EXPECT_EQ(riskFor(std::nullopt, std::nullopt), RemnantRisk::caution);

    input.thresholdDays = -1;
    EXPECT_EQ(riskFor(QDateTime(), std::nullopt), RemnantRisk::review);
    EXPECT_EQ(riskFor(m_now.addDays(2), std::nullopt), RemnantRisk::safe);
}

TEST_F(RemnantClassifierTest, WithoutAnInstantItJudgesAgainstTheClock)
{
    const Clock::Override clock(m_now.addDays(100));
    RemnantClassifier::Input input{.verdict = RemnantStatus::orphan, .lastModified = m_now, .thresholdDays = 99};
    EXPECT_EQ(classify(input).status, RemnantStatus::orphan);
    input.thresholdDays = 100;
    EXPECT_EQ(classify(input).status, RemnantStatus::stale);
}
