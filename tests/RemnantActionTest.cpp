// SPDX-FileCopyrightText: 2026 The Leftscan developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "AdministratorPlatform.h"
#include "CoreApplication.h"
#include "QtPrinters.h"
#include "ScriptedAlerts.h"
#include "StandInSystemTrash.h"
#include "TempTree.h"
#include "TestProfiles.h"
#include "TrashInspection.h"
#include "Unprivileged.h"
#include "mac/MacProfile.h"
#include "platform/FileTags.h"
#include "scanner/RemnantActionReport.h"
#include "scanner/RemnantScanner.h"
#include "ui/ActionReportText.h"

#include <gtest/gtest.h>

#include <QSignalSpy>
#include <sys/stat.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

class ActionTest : public ::testing::Test {
protected:
    ActionTest()
    {
        coreApplication();
        m_tree.makeFolder("Users/me/Library/Caches");
    }

    static void runScan(RemnantScanner &scanner)
    {
        QSignalSpy finished(&scanner, &RemnantScanner::scanFinished);
        scanner.scan();
        if (scanner.isScanning()) {
            ASSERT_TRUE(finished.wait(120000));
        }
    }

    // The listed records of these names, in this order.
    static QList<RemnantItemPtr> listed(const RemnantScanner &scanner, std::initializer_list<std::string> names)
    {
        QList<RemnantItemPtr> items;
        for (const std::string &name : names) {
            for (const RemnantItemPtr &item : scanner.remnants()) {
                if (item->url().filename() == name)
                    items.append(item);
            }
        }
        return items;
    }

    static RemnantActionReport awaitReport(QSignalSpy &finished)
    {
        if (finished.isEmpty() && !finished.wait(120000))
            return {};
        return finished.takeFirst().at(0).value<RemnantActionReport>();
    }

    fs::path trash(const char *folder) const { return m_tree.path("Users/me/.local/share/Trash") / folder; }

    TempTree m_tree;
    ScriptedAlerts m_alerts;
};

} // namespace

TEST_F(ActionTest, RefusedItemsAreMovedAfterOneQuestionInOnePrivilegedRunAndAVanishedItemIsOnlyReported)
{
    m_tree.writeFile("Users/me/Library/Caches/qqvv-a", "a");
    m_tree.writeFile("Users/me/Library/Caches/qqvv-b", "b");
    m_tree.writeFile("Users/me/Library/Caches/qqvv-gone", "gone");
    m_tree.writeFile("Library/LaunchDaemons/org.qqvv.one.plist", "one");
    m_tree.writeFile("Library/LaunchDaemons/O'Brien.plist", "two");
    const fs::path daemons = m_tree.path("Library/LaunchDaemons");
    // Run as root, the actions run as another user, who must own the tree as a user owns a home. Only the
    // daemons' folder is closed to writing.
    if (geteuid() == 0) {
        lchown(m_tree.root().c_str(), UnprivilegedUser, UnprivilegedUser);
        for (const auto &entry : fs::recursive_directory_iterator(m_tree.root()))
            lchown(entry.path().c_str(), UnprivilegedUser, UnprivilegedUser);
    }
    chmod(daemons.c_str(), 0555);
    // The user the actions run as may not reach the build's own folder.
    AdministratorPlatform::standIn();

    const auto facts = runUnprivileged([&] {
        const auto platform = std::make_shared<AdministratorPlatform>(m_tree.root(), m_tree.path("Users/me"));
        grantFullDiskAccess(*platform, m_tree.root());
        platform->grantedFolders = {daemons};
        ScriptedAlerts alerts;
        alerts.answers = {QStringLiteral("Cancel"), QStringLiteral("Continue")};
        RemnantScanner scanner(platform, std::make_shared<MacProfile>(platform), alerts);
        runScan(scanner);
        QSignalSpy finished(&scanner, &RemnantScanner::actionFinished);
        QSignalSpy progress(&scanner, &RemnantScanner::actionProgress);
        QStringList lines;
        QObject::connect(&scanner, &RemnantScanner::actionFinished,
                         [&] { lines.append(QStringLiteral("acting when finished: %1").arg(scanner.isActing())); });
        auto describe = [&](const RemnantActionReport &report) {
            lines.append(ActionReportText::summary(report) + u'|' + ActionReportText::details(report) + u'|' +
                         QString::number(report.declinedAdministrator) + u'|' + alerts.shown.last().informativeText +
                         u'|' + alerts.shown.last().buttons.join(u',') + u'|' +
                         QString::number(platform->commandRuns()));
        };

        const QList<RemnantItemPtr> first = listed(scanner, {"qqvv-a", "org.qqvv.one.plist", "qqvv-gone", "qqvv-b"});
        if (first.size() != 4)
            return std::string("not listed");
        fs::remove(first[2]->url());
        if (!scanner.moveToTrashInBackground(first, first))
            return std::string("not started");
        describe(awaitReport(finished));
        lines.append(
            QStringLiteral("progress: %1/%2").arg(progress.at(0).at(0).toInt()).arg(progress.at(0).at(1).toInt()));

        const QList<RemnantItemPtr> second = listed(scanner, {"org.qqvv.one.plist", "O'Brien.plist"});
        if (second.size() != 2 || !scanner.moveToTrashInBackground(second, second))
            return std::string("not started");
        describe(awaitReport(finished));

        lines.append(QStringLiteral("alerts: %1, progress reports: %2").arg(alerts.shown.size()).arg(progress.size()));
        for (const RemnantItemPtr &item : scanner.remnants())
            lines.append(QStringLiteral("still listed: ") + item->name());
        QStringList trashed;
        for (const RemnantItemPtr &item : first + second) {
            if (item->action() == RemnantAction::trashed())
                trashed.append(QStringLiteral("trashed: ") + item->name());
        }
        trashed.removeDuplicates();
        lines += trashed;
        return lines.join(u'\n').toStdString();
    });

    ASSERT_TRUE(facts);
    EXPECT_EQ(*facts,
              "acting when finished: 0\n"
              "Moved 2 items to the Trash; 2 could not be moved|org.qqvv.one.plist: Permission denied\n"
              "qqvv-gone: It no longer exists|1|The item 'org.qqvv.one.plist' requires administrator privileges to "
              "move to Trash. Do you want to continue?|Continue,Cancel|0\n"
              "progress: 4/4\n"
              "acting when finished: 0\n"
              "Moved 2 items to the Trash||0|2 items require administrator privileges to move to Trash. Do you want "
              "to continue?|Continue,Cancel|1\n"
              "alerts: 2, progress reports: 2\n"
              "still listed: qqvv-gone\n"
              "trashed: qqvv-a\n"
              "trashed: org.qqvv.one.plist\n"
              "trashed: qqvv-b\n"
              "trashed: O'Brien.plist");
    EXPECT_EQ(entryCount(daemons), 0U);
    EXPECT_EQ(TempTree::readFile(trash("files") / "O'Brien.plist"), "two");
    EXPECT_EQ(TempTree::readFile(trash("files") / "org.qqvv.one.plist"), "one");
    EXPECT_EQ(TempTree::readFile(trash("files") / "qqvv-a"), "a");
    EXPECT_EQ(entryCount(trash("files")), 4U);
    EXPECT_EQ(entryCount(trash("info")), 4U);
}

TEST_F(ActionTest, TagsAreWrittenInTheBackgroundWhileAScanRunsAndOnlyOneActionRunsAtATime)
{
    for (int i = 0; i < 60; ++i)
        m_tree.writeFile("Users/me/Library/Caches/qqvv-tag" + std::to_string(i), "x");
    const auto platform = std::make_shared<PosixPlatform>(m_tree.root(), m_tree.path("Users/me"));
    grantFullDiskAccess(*platform, m_tree.root());
    RemnantScanner scanner(platform, std::make_shared<MacProfile>(platform), m_alerts);
    runScan(scanner);
    const QList<RemnantItemPtr> items = scanner.remnants();
    ASSERT_EQ(items.size(), 60);
    if (FileTags::setTags(items[0]->url(), {QStringLiteral("Work")}))
        GTEST_SKIP() << "the temporary folder keeps no user attributes";
    fs::remove(items[7]->url());

    QSignalSpy finished(&scanner, &RemnantScanner::actionFinished);
    QSignalSpy scanned(&scanner, &RemnantScanner::scanFinished);
    scanner.scan();
    ASSERT_TRUE(scanner.applyTagInBackground(items, FinderTagColor::blue));
    EXPECT_FALSE(scanner.moveToTrashInBackground(items, items));
    EXPECT_FALSE(scanner.applyTagInBackground(items, FinderTagColor::red));
    const RemnantActionReport report = awaitReport(finished);

    EXPECT_EQ(ActionReportText::summary(report), QStringLiteral("Tagged 59 items Blue; 1 could not be tagged"));
    EXPECT_EQ(ActionReportText::details(report), items[7]->name() + QStringLiteral(": No such file or directory"));
    for (qsizetype i = 0; i < items.size(); ++i) {
        if (i == 7)
            continue;
        // The tag the user gave the first item stays.
        EXPECT_EQ(FileTags::tags(items[i]->url()), i == 0
                                                       ? QStringList({QStringLiteral("Work"), QStringLiteral("Blue")})
                                                       : QStringList{QStringLiteral("Blue")});
        EXPECT_EQ(items[i]->action(), RemnantAction::tagged(FinderTagColor::blue));
    }
    EXPECT_EQ(items[7]->action(), RemnantAction::none());
    EXPECT_FALSE(isThere(trash("")));

    if (scanned.isEmpty()) {
        ASSERT_TRUE(scanned.wait(120000));
    }
    EXPECT_EQ(scanner.remnants().size(), 59);
}

TEST_F(ActionTest, DestroyingTheScannerDuringAnActionLosesNothing)
{
    for (int i = 0; i < 300; ++i)
        m_tree.writeFile("Users/me/Library/Caches/qqvv" + std::to_string(i), "x");
    const auto platform = std::make_shared<PosixPlatform>(m_tree.root(), m_tree.path("Users/me"));
    grantFullDiskAccess(*platform, m_tree.root());
    auto scanner = std::make_unique<RemnantScanner>(platform, std::make_shared<MacProfile>(platform), m_alerts);
    runScan(*scanner);
    ASSERT_TRUE(scanner->moveToTrashInBackground(scanner->remnants(), scanner->remnants()));
    scanner.reset();
    QCoreApplication::processEvents();

    EXPECT_EQ(entryCount(m_tree.path("Users/me/Library/Caches")) + entryCount(trash("files")), 300U);
    EXPECT_EQ(entryCount(trash("info")), entryCount(trash("files")));
}

TEST_F(ActionTest, WhatTheAssessmentHoldsBackMovesOnlyWhenTheUserConfirmedItByName)
{
    m_tree.writeFile("Users/me/Library/Caches/qqvv-plain/data", "x");
    m_tree.writeFile("Users/me/Library/Caches/qqvv-wallet/wallet.dat", "keys");
    m_tree.age("Users/me/Library/Caches/qqvv-plain", 800);
    m_tree.age("Users/me/Library/Caches/qqvv-wallet", 800);
    const auto platform = std::make_shared<PosixPlatform>(m_tree.root(), m_tree.path("Users/me"));
    grantFullDiskAccess(*platform, m_tree.root());
    RemnantScanner scanner(platform, std::make_shared<MacProfile>(platform), m_alerts);
    scanner.session().setMeasuresSizes(false);
    runScan(scanner);
    const QList<RemnantItemPtr> items = listed(scanner, {"qqvv-plain", "qqvv-wallet"});
    ASSERT_EQ(items.size(), 2);
    QSignalSpy finished(&scanner, &RemnantScanner::actionFinished);

    // Not looked inside yet: no move without the user naming it, whoever asks.
    scanner.moveToTrash(items[0]);
    ASSERT_EQ(m_alerts.shown.size(), 1);
    EXPECT_TRUE(isThere(items[0]->url()));
    scanner.session().measureNow(items);
    ASSERT_TRUE(scanner.moveToTrashInBackground(items));
    const RemnantActionReport report = awaitReport(finished);
    EXPECT_EQ(report.succeeded, 1);
    ASSERT_EQ(report.failures.size(), 1);
    EXPECT_EQ(report.failures[0].reason, FailureReason::of(FailureReason::Kind::notConfirmed));
    EXPECT_TRUE(isThere(items[1]->url()));
    EXPECT_FALSE(isThere(items[0]->url()));

    ASSERT_TRUE(scanner.moveToTrashInBackground({items[1]}, {items[1]}));
    EXPECT_EQ(awaitReport(finished).succeeded, 1);
    EXPECT_FALSE(isThere(items[1]->url()));
}

TEST_F(ActionTest, UndoPutsTheLastMovedItemsBackAsTheyWereAndKeepsThoseThatCannotGoBack)
{
    m_tree.writeFile("Users/me/Library/Caches/qqvv-a", "a");
    m_tree.writeFile("Users/me/Library/Caches/qqvv-b/data", "b");
    m_tree.writeFile("Users/me/Library/Logs/qqvv-c.log", "c");
    m_tree.writeFile("Users/me/Library/Caches/qqvv-d", "d");
    const auto platform = std::make_shared<PosixPlatform>(m_tree.root(), m_tree.path("Users/me"));
    grantFullDiskAccess(*platform, m_tree.root());
    RemnantScanner scanner(platform, std::make_shared<MacProfile>(platform), m_alerts);
    runScan(scanner);
    const QList<RemnantItemPtr> items = listed(scanner, {"qqvv-a", "qqvv-b", "qqvv-c.log"});
    ASSERT_EQ(items.size(), 3);
    const bool tagged = !scanner.applyTag(items[0], FinderTagColor::green);
    const RemnantAction earlier = items[0]->action();
    QList<std::pair<RemnantStatus, RemnantRisk>> verdicts;
    for (const RemnantItemPtr &item : items)
        verdicts.append({item->status(), item->risk()});
    QSignalSpy finished(&scanner, &RemnantScanner::actionFinished);
    EXPECT_FALSE(scanner.canUndoTrash());
    EXPECT_FALSE(scanner.undoTrashInBackground());

    ASSERT_TRUE(scanner.moveToTrashInBackground(items, items));
    EXPECT_EQ(awaitReport(finished).succeeded, 3);
    EXPECT_TRUE(scanner.canUndoTrash());
    EXPECT_EQ(scanner.remnants().size(), 1);
    m_tree.writeFile("Users/me/Library/Logs/qqvv-c.log", "new");

    ASSERT_TRUE(scanner.undoTrashInBackground());
    EXPECT_FALSE(scanner.undoTrashInBackground());
    EXPECT_FALSE(scanner.moveToTrashInBackground(scanner.remnants(), scanner.remnants()));
    const RemnantActionReport partly = awaitReport(finished);

    EXPECT_EQ(ActionReportText::summary(partly), QStringLiteral("Put back 2 items; 1 could not be put back"));
    EXPECT_EQ(ActionReportText::details(partly), QStringLiteral("qqvv-c.log: Something else is now in its place"));
    EXPECT_EQ(TempTree::readFile(m_tree.path("Users/me/Library/Caches/qqvv-a")), "a");
    EXPECT_EQ(TempTree::readFile(m_tree.path("Users/me/Library/Caches/qqvv-b/data")), "b");
    EXPECT_EQ(TempTree::readFile(m_tree.path("Users/me/Library/Logs/qqvv-c.log")), "new");
    EXPECT_TRUE(scanner.remnants().contains(items[0]));
    EXPECT_TRUE(scanner.remnants().contains(items[1]));
    EXPECT_FALSE(scanner.remnants().contains(items[2]));
    EXPECT_EQ(items[0]->action(), tagged ? RemnantAction::tagged(FinderTagColor::green) : earlier);
    EXPECT_EQ(items[1]->action(), RemnantAction::none());
    EXPECT_EQ(items[2]->action(), RemnantAction::trashed());
    for (qsizetype i = 0; i < items.size(); ++i)
        EXPECT_EQ(std::pair(items[i]->status(), items[i]->risk()), verdicts[i]);
    EXPECT_TRUE(scanner.canUndoTrash());

    // Once its place is free again, the item left behind goes back too.
    fs::remove(m_tree.path("Users/me/Library/Logs/qqvv-c.log"));
    ASSERT_TRUE(scanner.undoTrashInBackground());
    EXPECT_EQ(ActionReportText::summary(awaitReport(finished)), QStringLiteral("Put back 1 item"));
    EXPECT_EQ(TempTree::readFile(m_tree.path("Users/me/Library/Logs/qqvv-c.log")), "c");
    EXPECT_TRUE(scanner.remnants().contains(items[2]));
    EXPECT_FALSE(scanner.canUndoTrash());
    EXPECT_EQ(entryCount(trash("files")), 0U);
    EXPECT_EQ(entryCount(trash("info")), 0U);

    // One item moved on its own can be put back as well; after a new scan it is only put back, as that scan's
    // list has never held it.
    const RemnantItemPtr single = listed(scanner, {"qqvv-d"}).value(0);
    ASSERT_TRUE(single);
    scanner.moveToTrash(single, ScanSession::Confirmation::byName);
    EXPECT_TRUE(scanner.canUndoTrash());
    runScan(scanner);
    ASSERT_TRUE(scanner.undoTrashInBackground());
    EXPECT_EQ(ActionReportText::summary(awaitReport(finished)), QStringLiteral("Put back 1 item"));
    EXPECT_EQ(TempTree::readFile(m_tree.path("Users/me/Library/Caches/qqvv-d")), "d");
    EXPECT_FALSE(scanner.remnants().contains(single));
    EXPECT_EQ(single->action(), RemnantAction::none());
}

TEST_F(ActionTest, TheSystemsOwnTrashKeepsWhereEachItemWentSoThatUndoPutsItBackOnlyWhereNothingIs)
{
    m_tree.writeFile("Users/me/Library/Caches/qqvv-a", "a");
    m_tree.writeFile("Users/me/Library/Caches/qqvv-b/data", "b");
    m_tree.writeFile("Users/me/.Trash/qqvv-a", "older");
    const StandInSystemTrash system(m_tree.path("Users/me/.Trash"));
    const auto platform = std::make_shared<AdministratorPlatform>(m_tree.root(), m_tree.path("Users/me"));
    grantFullDiskAccess(*platform, m_tree.root());
    platform->systemTrashStandIn = &system;
    RemnantScanner scanner(platform, std::make_shared<MacProfile>(platform), m_alerts);
    runScan(scanner);
    const QList<RemnantItemPtr> items = listed(scanner, {"qqvv-a", "qqvv-b"});
    ASSERT_EQ(items.size(), 2);
    QSignalSpy finished(&scanner, &RemnantScanner::actionFinished);

    ASSERT_TRUE(scanner.moveToTrashInBackground(items, items));
    EXPECT_EQ(awaitReport(finished).succeeded, 2);
    EXPECT_EQ(TempTree::readFile(m_tree.path("Users/me/.Trash/qqvv-a 2")), "a");
    EXPECT_EQ(TempTree::readFile(m_tree.path("Users/me/.Trash/qqvv-b/data")), "b");
    EXPECT_FALSE(isThere(trash("")));
    m_tree.writeFile("Users/me/Library/Caches/qqvv-b", "new");

    ASSERT_TRUE(scanner.undoTrashInBackground());
    const RemnantActionReport undone = awaitReport(finished);
    EXPECT_EQ(ActionReportText::summary(undone), QStringLiteral("Put back 1 item; 1 could not be put back"));
    EXPECT_EQ(ActionReportText::details(undone), QStringLiteral("qqvv-b: Something else is now in its place"));
    EXPECT_EQ(TempTree::readFile(m_tree.path("Users/me/Library/Caches/qqvv-a")), "a");
    EXPECT_EQ(TempTree::readFile(m_tree.path("Users/me/Library/Caches/qqvv-b")), "new");
    EXPECT_EQ(TempTree::readFile(m_tree.path("Users/me/.Trash/qqvv-a")), "older");
    EXPECT_EQ(TempTree::readFile(m_tree.path("Users/me/.Trash/qqvv-b/data")), "b");
    EXPECT_TRUE(scanner.canUndoTrash());
}
