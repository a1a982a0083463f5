#pragma once

#include "ScriptedAlerts.h"
#include "platform/PosixPlatform.h"
#include "scanner/DemoHome.h"
#include "scanner/RemnantScanner.h"
#include "ui/ContentView.h"
#include "ui/MainWindow.h"
#include "ui/RemnantListView.h"

#include <QApplication>
#include <QSignalSpy>
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
        static QApplication *app = new QApplication(argc, argv);
        return *app;
    }

    void SetUp() override
    {
        application();
        m_demo = std::make_unique<DemoHome>();
        m_scanner =
            std::make_unique<RemnantScanner>(std::make_shared<PosixPlatform>(m_demo->root(), m_demo->home()), m_alerts);
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

    void scanToEnd()
    {
        QSignalSpy finished(m_scanner.get(), &RemnantScanner::scanFinished);
        m_scanner->scan();
        ASSERT_TRUE(finished.wait(60000));
        QApplication::processEvents();
    }

    RemnantListView &list() const { return *m_window->contentView()->listView(); }

    ScriptedAlerts m_alerts;
    std::unique_ptr<DemoHome> m_demo;
    std::unique_ptr<RemnantScanner> m_scanner;
    std::unique_ptr<MainWindow> m_window;
};
