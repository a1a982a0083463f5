// SPDX-FileCopyrightText: 2026 The Leftscan developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The list model and the proxy over it keep Qt's contract through a scan, a move to the Trash, its undo and a new
// scan, checked by Qt's own model tester; what Undo puts back stands where it stood.
#include "ui/RemnantListModel.h"
#include "ScriptedAlerts.h"
#include "TempTree.h"
#include "TestProfiles.h"
#include "mac/MacProfile.h"
#include "platform/PosixPlatform.h"
#include "scanner/RemnantScanner.h"
#include "ui/RemnantFilterProxy.h"

#include <QAbstractItemModelTester>
#include <QApplication>
#include <QSignalSpy>
#include <gtest/gtest.h>

namespace {

QApplication &application()
{
    static int argc = 1;
    static char name[] = "leftscan-model-test";
    static char *argv[] = {name, nullptr};
    static QApplication *app = new QApplication(argc, argv);
    return *app;
}

QStringList namesOf(const QAbstractItemModel &model)
{
    QStringList names;
    for (int row = 0; row < model.rowCount(); ++row)
        names.append(model.index(row, 0).data(Qt::DisplayRole).toString());
    return names;
}

} // namespace

TEST(RemnantListModel, KeepsQtsContractThroughScansMovesAndUndoAndPutsItemsBackWhereTheyStood)
{
    application();
    TempTree tree;
    for (int i = 0; i < 12; ++i)
        tree.writeFile("Users/me/Library/Caches/qqvv-" + std::to_string(100 + i),
                       std::string(std::size_t(i) * 5000, 'x'));
    tree.age("Users/me/Library", 800);
    const auto platform = std::make_shared<PosixPlatform>(tree.root(), tree.path("Users/me"));
    grantFullDiskAccess(*platform, tree.root());
    ScriptedAlerts alerts;
    RemnantScanner scanner(platform, std::make_shared<MacProfile>(platform), alerts);
    RemnantListModel model(scanner);
    RemnantFilterProxy proxy(scanner);
    proxy.setSourceModel(&model);
    QAbstractItemModelTester checkModel(&model, QAbstractItemModelTester::FailureReportingMode::Fatal);
    QAbstractItemModelTester checkProxy(&proxy, QAbstractItemModelTester::FailureReportingMode::Fatal);

    const auto scan = [&] {
        QSignalSpy measured(&scanner, &RemnantScanner::sizesMeasured);
        scanner.scan();
        ASSERT_TRUE(measured.wait(60000));
    };
    scan();
    ASSERT_EQ(model.rowCount(), 12);
    const QStringList before = namesOf(model);
    EXPECT_EQ(before, namesOf(proxy));

    // Three rows from the middle and the ends go, and come back where they stood.
    const QList<RemnantItemPtr> chosen{model.itemPointer(0), model.itemPointer(5), model.itemPointer(11)};
    QSignalSpy finished(&scanner, &RemnantScanner::actionFinished);
    ASSERT_TRUE(scanner.moveToTrashInBackground(chosen, chosen));
    ASSERT_TRUE(finished.wait(60000));
    EXPECT_EQ(model.rowCount(), 9);
    ASSERT_TRUE(scanner.undoTrashInBackground());
    ASSERT_TRUE(finished.wait(60000));
    EXPECT_EQ(namesOf(model), before);
    EXPECT_EQ(namesOf(proxy), before);

    scan();
    EXPECT_EQ(namesOf(model), before);
}
