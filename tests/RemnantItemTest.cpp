#include "model/RemnantItem.h"
#include "QtPrinters.h"
#include "model/Clock.h"
#include "model/FinderTagColor.h"
#include "model/RemnantAction.h"
#include "model/RemnantCategory.h"
#include "model/RemnantRisk.h"

#include <QSet>
#include <atomic>
#include <ctime>
#include <gtest/gtest.h>
#include <thread>
#include <unordered_set>
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

template <typename Enumeration> QStringList rawValues()
{
    QStringList values;
    for (const Enumeration value : allCases<Enumeration>())
        values.append(rawValue(value));
    return values;
}

} // namespace

TEST_F(RemnantItemTest, VocabularyListsItsCasesInOrderWithDistinctRawValues)
{
    const QStringList categories = rawValues<RemnantCategory>();
    ASSERT_EQ(categories.size(), 11);
    EXPECT_EQ(categories.front(), QStringLiteral("Application Support"));
    EXPECT_EQ(categories.back(), QStringLiteral("Other"));
    EXPECT_EQ(QSet<QString>(categories.begin(), categories.end()).size(), 11);
    QSet<QString> icons;
    for (const RemnantCategory category : allCases<RemnantCategory>()) {
        EXPECT_EQ(fromRawValue<RemnantCategory>(rawValue(category)), category) << rawValue(category).toStdString();
        icons.insert(icon(category));
    }
    EXPECT_EQ(icons.size(), 11);

    EXPECT_EQ(rawValues<FinderTagColor>(), (QStringList{"Red", "Orange", "Yellow", "Green", "Blue", "Purple", "Gray"}));
    EXPECT_EQ(rawValues<RemnantRisk>(), (QStringList{"Safe", "Caution", "Review"}));
}

TEST_F(RemnantItemTest, RawValuesAreParsedExactly)
{
    EXPECT_EQ(fromRawValue<RemnantCategory>(QStringLiteral("Saved Application State")), RemnantCategory::savedState);
    for (const char *text : {"Saved State", "caches", "Launch Agents", "", "Other "})
        EXPECT_EQ(fromRawValue<RemnantCategory>(QString::fromUtf8(text)), std::nullopt) << text;
    EXPECT_EQ(fromRawValue<FinderTagColor>(QStringLiteral("Purple")), FinderTagColor::purple);
    EXPECT_EQ(fromRawValue<FinderTagColor>(QStringLiteral("Grey")), std::nullopt);
    EXPECT_EQ(fromRawValue<RemnantRisk>(QStringLiteral("review")), std::nullopt);
}

TEST_F(RemnantItemTest, SystemColoursDifferByAppearanceAndOnlyTheLabelIsTranslucent)
{
    for (const SystemColor color : allCases<SystemColor>()) {
        EXPECT_NE(lightRgba(color), darkRgba(color));
        const bool opaque = color != SystemColor::secondaryLabel;
        EXPECT_EQ(lightRgba(color).alpha == 1.0, opaque);
        EXPECT_EQ(darkRgba(color).alpha == 1.0, opaque);
    }
    EXPECT_EQ(lightRgba(SystemColor::blue), (RgbaColor{0, 122, 255, 1.0}));
}

TEST_F(RemnantItemTest, ActionsCarryTheirTagColour)
{
    EXPECT_EQ(RemnantAction(), RemnantAction::none());
    EXPECT_EQ(RemnantAction::trashed().tag(), std::nullopt);
    const RemnantAction tagged = RemnantAction::tagged(FinderTagColor::orange);
    EXPECT_EQ(tagged.kind(), RemnantAction::Kind::tagged);
    EXPECT_EQ(tagged.color(), SystemColor::orange);
    EXPECT_NE(tagged, RemnantAction::tagged(FinderTagColor::red));
    EXPECT_NE(RemnantAction::trashed(), RemnantAction::none());
}

TEST_F(RemnantItemTest, ItemsForTheSamePathAreDistinct)
{
    const RemnantItemPtr first = makeItem();
    const RemnantItemPtr second = makeItem();
    EXPECT_EQ(first->url(), second->url());
    EXPECT_NE(first->id(), second->id());
    EXPECT_FALSE(first->id().isNull());
    EXPECT_FALSE(*first == *second);
    EXPECT_TRUE(*first == *first);

    struct ById {
        size_t operator()(const RemnantItem *item) const { return std::hash<RemnantItem>()(*item); }
        bool operator()(const RemnantItem *left, const RemnantItem *right) const { return *left == *right; }
    };
    std::unordered_set<const RemnantItem *, ById, ById> set{first.get(), second.get(), first.get()};
    EXPECT_EQ(set.size(), 2u);
}

TEST_F(RemnantItemTest, StartsUntouchedAndKeepsTheExactPathBytes)
{
    const std::filesystem::path odd = std::string("/Library/Logs/caf\xe9-\xff.log");
    const RemnantItemPtr item = makeItem({.url = odd, .fileSize = 4096, .evidence = "inventory key helper:zzqx"});
    EXPECT_EQ(item->url().native(), odd.native());
    EXPECT_TRUE(item->displayPath().startsWith(QStringLiteral("/Library/Logs/caf")));
    EXPECT_EQ(item->action(), RemnantAction::none());
    EXPECT_FALSE(item->isSelected());
    EXPECT_EQ(item->fileSize(), 4096);
    EXPECT_EQ(item->evidence(), QStringLiteral("inventory key helper:zzqx"));
}

TEST_F(RemnantItemTest, DaysSinceLastUsePrefersSpotlightsDate)
{
    const RemnantItemPtr item = makeItem({.lastModified = local(2023, 6, 15), .lastOpened = local(2024, 6, 5)});
    EXPECT_EQ(item->daysSinceLastUse(), 10);
    EXPECT_EQ(item->lastUsedDescription(), QStringLiteral("1 week ago"));
}

TEST_F(RemnantItemTest, WithoutSpotlightsDateDaysComeFromModificationButTheTextIsUnknown)
{
    const RemnantItemPtr item = makeItem({.lastModified = local(2024, 6, 12, 12, 1)});
    EXPECT_EQ(item->daysSinceLastUse(), 2);
    EXPECT_EQ(item->lastUsedDescription(), QStringLiteral("Unknown"));
}

TEST_F(RemnantItemTest, AccessAndCreationDatesDoNotCountAsUse)
{
    const RemnantItemPtr item = makeItem({.lastUsed = local(2024, 6, 1), .creationDate = local(2020, 1, 1)});
    EXPECT_EQ(item->daysSinceLastUse(), std::nullopt);
    EXPECT_EQ(item->lastUsedDescription(), QStringLiteral("Unknown"));
}

TEST_F(RemnantItemTest, DerivedValuesFollowTheClockAndFutureDates)
{
    const RemnantItemPtr item = makeItem({.lastOpened = local(2024, 6, 18)});
    EXPECT_EQ(item->daysSinceLastUse(), -3);
    EXPECT_EQ(item->lastUsedDescription(), QStringLiteral("in 3 days"));

    Clock::Override later(local(2025, 6, 18));
    EXPECT_EQ(item->daysSinceLastUse(), 365);
    EXPECT_EQ(item->lastUsedDescription(), QStringLiteral("1 year ago"));
}

TEST_F(RemnantItemTest, ActionAndSelectionNotifyOnlyOnChange)
{
    const RemnantItemPtr item = makeItem();
    std::vector<RemnantAction> actions;
    std::vector<bool> selections;
    QObject::connect(item.get(), &RemnantItem::actionChanged,
                     [&](const RemnantAction &action) { actions.push_back(action); });
    QObject::connect(item.get(), &RemnantItem::isSelectedChanged,
                     [&](bool selected) { selections.push_back(selected); });

    item->setAction(RemnantAction::none());
    item->setAction(RemnantAction::tagged(FinderTagColor::blue));
    item->setAction(RemnantAction::tagged(FinderTagColor::blue));
    item->setAction(RemnantAction::tagged(FinderTagColor::green));
    item->setAction(RemnantAction::trashed());
    EXPECT_EQ(actions, (std::vector{RemnantAction::tagged(FinderTagColor::blue),
                                    RemnantAction::tagged(FinderTagColor::green), RemnantAction::trashed()}));
    EXPECT_EQ(item->action(), RemnantAction::trashed());

    item->setSelected(false);
    item->setSelected(true);
    item->setSelected(true);
    item->setSelected(false);
    EXPECT_EQ(selections, (std::vector{true, false}));
    EXPECT_TRUE(item->setProperty("isSelected", true));
    EXPECT_EQ(selections.back(), true);
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
