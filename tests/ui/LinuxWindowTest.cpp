#include "ScriptedAlerts.h"
#include "demo/LinuxDemoHome.h"
#include "linuxdesktop/LinuxProfile.h"
#include "platform/PosixPlatform.h"
#include "scanner/RemnantScanner.h"
#include "ui/ContentView.h"
#include "ui/MainWindow.h"
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

// The window over the demonstration Linux desktop shows the Linux categories, lists the scan and filters by them.
TEST(LinuxWindow, ShowsTheProfilesCategoriesAndItsLeftovers)
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

    scanner.setSelectedCategory(RemnantCategory::autostart);
    QApplication::processEvents();
    const QList<RemnantItemPtr> autostart = list.sortedRemnants();
    ASSERT_FALSE(autostart.isEmpty());
    for (const RemnantItemPtr &item : autostart)
        EXPECT_EQ(item->category(), RemnantCategory::autostart);
}

} // namespace
