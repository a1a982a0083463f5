// SPDX-FileCopyrightText: 2026 The Leftscan developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "model/ScanProfile.h"

#include <QObject>
#include <QPointer>
#include <filesystem>
#include <memory>

class DemoHome;
class MainWindow;
class Platform;
class RemnantScanner;
class SettingsView;
class WindowAlertPresenter;

// The application: owns the scanner and the windows that show it. Before the first scan the window offers the other
// home: one's own after the demonstration Mac, the demonstration after one's own; taking it replaces both.
class LeftscanApp : public QObject {
    Q_OBJECT

public:
    // Scans the Mac whose "/" is `root` and whose user's home is `home`, or a demonstration home made for the run.
    LeftscanApp(const std::filesystem::path &root, const std::filesystem::path &home,
                ScanProfile profile = ScanProfile::mac, bool demonstration = false);
    ~LeftscanApp() override;

    RemnantScanner &scanner() const { return *m_scanner; }
    MainWindow &mainWindow() const { return *m_window; }
    void showSettings();
    void showAbout();
    // Scans the other home instead: the running user's own, or the demonstration Mac.
    void scanAlternative();

private:
    void connectWindow();

    bool m_demonstration = false;
    std::unique_ptr<DemoHome> m_demo;
    std::shared_ptr<const Platform> m_platform;
    std::unique_ptr<WindowAlertPresenter> m_alerts;
    std::unique_ptr<RemnantScanner> m_scanner;
    std::unique_ptr<MainWindow> m_window;
    QPointer<SettingsView> m_settings;
};
