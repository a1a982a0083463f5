// SPDX-FileCopyrightText: 2026 The Leftscan developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ScriptedAlerts.h"
#include "TempTree.h"
#include "demo/LinuxDemoHome.h"
#include "linuxdesktop/LinuxProfile.h"
#include "platform/PosixPlatform.h"
#include "scanner/RemnantScanner.h"
#include "ui/ContentView.h"
#include "ui/DetailView.h"
#include "ui/MainWindow.h"
#include "ui/MetaCell.h"
#include "ui/ProminentButton.h"
#include "ui/RemnantFilterProxy.h"
#include "ui/RemnantItemsView.h"
#include "ui/RemnantListView.h"
#include "ui/SidebarView.h"
#include "ui/SummaryRow.h"

#include <QApplication>
#include <QSignalSpy>
#include <gtest/gtest.h>

namespace {

QApplication &application()
{
    static int argc = 1;
    static char name[] = "leftscan-linux-window-test";
    static char *argv[] = {name, nullptr};
    static QApplication *app = new QApplication(argc, argv);
    return *app;
}

// The window over the demonstration Linux desktop shows the Linux categories and words, lists the scan and filters
// by the categories.
TEST(LinuxWindow, ShowsTheProfilesCategoriesWordsAndLeftovers)
{
    application();
    const LinuxDemoHome demo;
    ScriptedAlerts alerts;
    const auto platform = std::make_shared<PosixPlatform>(demo.root(), demo.home());
    RemnantScanner scanner(platform, std::make_shared<LinuxProfile>(platform), alerts);
    MainWindow window(scanner);
    window.resize(1600, 900);
    window.show();

    QStringList labels;
    for (const SummaryRow *row : window.contentView()->sidebar()->findChildren<SummaryRow *>())
        labels.append(row->label());
    for (const RemnantCategory category : scanner.categories())
        EXPECT_TRUE(labels.contains(rawValue(category))) << rawValue(category).toStdString();
    EXPECT_FALSE(labels.contains(QStringLiteral("Application Support")));

    QSignalSpy finished(&scanner, &RemnantScanner::scanFinished);
    scanner.scan();
    ASSERT_TRUE(finished.wait(60000));
    QApplication::processEvents();
    RemnantListView &list = *window.contentView()->listView();
    ASSERT_EQ(list.content(), RemnantListView::Content::list);
    const QList<RemnantItemPtr> shown = list.sortedRemnants();
    ASSERT_FALSE(shown.isEmpty());
    EXPECT_EQ(shown.size(), scanner.remnants().size());

    // The detail pane and the rows speak of packages and of the file manager.
    list.itemsView()->setCurrentIndex(list.proxy()->index(0, 0));
    DetailView &detail = *window.contentView()->detailView();
    ASSERT_EQ(detail.remnant(), shown.front());
    ASSERT_GE(detail.cells().size(), 2);
    EXPECT_EQ(detail.cells()[1]->label(), "Package");
    QStringList titles;
    for (const ProminentButton *button : detail.findChildren<ProminentButton *>())
        titles.append(button->text());
    EXPECT_TRUE(titles.contains("Show in File Manager")) << titles.join(u',').toStdString();
    EXPECT_FALSE(titles.join(u',').contains("Finder"));
    EXPECT_EQ(list.itemsView()->rowDelegate()->tooltip(RemnantRowDelegate::RowButton::reveal), "Show in File Manager");

    scanner.setSelectedCategory(RemnantCategory::autostart);
    QApplication::processEvents();
    const QList<RemnantItemPtr> autostart = list.sortedRemnants();
    ASSERT_FALSE(autostart.isEmpty());
    for (const RemnantItemPtr &item : autostart)
        EXPECT_EQ(item->category(), RemnantCategory::autostart);
}

// A home that is the root folder would have the system's own entries taken for leftovers: the window's scan is
// refused with a word why, and nothing is listed.
TEST(LinuxWindow, RefusesToScanAHomeThatIsTheRootFolder)
{
    application();
    const TempTree tree;
    ScriptedAlerts alerts;
    const auto platform = std::make_shared<PosixPlatform>(tree.root(), "/");
    RemnantScanner scanner(platform, std::make_shared<LinuxProfile>(platform), alerts);
    MainWindow window(scanner);
    window.show();
    QSignalSpy refused(&scanner, &RemnantScanner::scanRefused);
    window.startScanAction()->trigger();
    QApplication::processEvents();
    EXPECT_EQ(refused.size(), 1);
    EXPECT_FALSE(scanner.isScanning());
    ASSERT_EQ(alerts.shown.size(), 1);
    EXPECT_EQ(alerts.shown.front().message, "Cannot scan the root folder");
    EXPECT_TRUE(scanner.remnants().isEmpty());
}

} // namespace
