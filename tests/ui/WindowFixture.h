// SPDX-FileCopyrightText: 2026 The Leftscan developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "ScriptedAlerts.h"
#include "TestProfiles.h"
#include "demo/DemoHome.h"
#include "mac/MacProfile.h"
#include "platform/PosixPlatform.h"
#include "platform/ProgramTranslations.h"
#include "scanner/RemnantScanner.h"
#include "ui/ByteCountFormatter.h"
#include "ui/ContentView.h"
#include "ui/MainWindow.h"
#include "ui/RemnantListView.h"
#include "ui/ScanToolbar.h"

#include <QApplication>
#include <QLabel>
#include <QSignalSpy>
#include <QTest>
#include <algorithm>
#include <gtest/gtest.h>
#include <memory>

// The main window over the demonstration Mac, offscreen, with alerts answered from a script.
class WindowFixture : public ::testing::Test {
protected:
    // Made once and never destroyed: torn down among the exit handlers it would outlive Qt's own statics.
    static QApplication &application()
    {
        static int argc = 1;
        static char name[] = "leftscan-window-test";
        static char *argv[] = {name, nullptr};
        static QApplication *app = [] {
            auto *made = new QApplication(argc, argv);
            ProgramTranslations::install();
            return made;
        }();
        return *app;
    }

    void SetUp() override
    {
        application();
        m_demo = std::make_unique<DemoHome>();
        const auto platform = std::make_shared<PosixPlatform>(m_demo->root(), m_demo->home());
        grantFullDiskAccess(*platform, m_demo->root());
        m_scanner = std::make_unique<RemnantScanner>(platform, std::make_shared<MacProfile>(platform), m_alerts);
        m_window = std::make_unique<MainWindow>(*m_scanner);
        m_window->resize(1600, 900);
        m_window->show();
    }

    void TearDown() override
    {
        m_window.reset();
        m_scanner.reset();
        m_demo.reset();
    }

    // Runs a scan and waits for the sizes on disk of what it found, and for the views to show them.
    void scanToEnd()
    {
        scanAndMeasure();
        ASSERT_TRUE(QTest::qWaitFor([this] { return viewsShowSizes(); }, 10000));
    }

    // Runs a scan until it has finished and its sizes are measured.
    void scanAndMeasure()
    {
        QSignalSpy finished(m_scanner.get(), &RemnantScanner::scanFinished);
        QSignalSpy measured(m_scanner.get(), &RemnantScanner::sizesMeasured);
        m_scanner->scan();
        ASSERT_TRUE(finished.wait(60000));
        if (measured.isEmpty()) {
            ASSERT_TRUE(measured.wait(60000));
        }
    }

    // The toolbar's total and the list's order follow the sizes on disk.
    bool viewsShowSizes() const
    {
        const QList<RemnantItemPtr> shown = list().sortedRemnants();
        const bool inOrder = std::is_sorted(shown.begin(), shown.end(), [this](const auto &a, const auto &b) {
            return sortsBefore(list().sortOrder(), *a, *b);
        });
        const QString totals = QStringLiteral("%1 items · %2")
                                   .arg(m_scanner->filteredRemnants().size())
                                   .arg(ByteCountFormatter::fileSize(m_scanner->totalSize()));
        return inOrder && (m_scanner->remnants().isEmpty() || m_window->toolbar()->summaryLabel()->text() == totals);
    }

    RemnantListView &list() const { return *m_window->contentView()->listView(); }

    ScriptedAlerts m_alerts;
    std::unique_ptr<DemoHome> m_demo;
    std::unique_ptr<RemnantScanner> m_scanner;
    std::unique_ptr<MainWindow> m_window;
};
