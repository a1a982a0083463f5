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

// The application: owns the one scanner for the whole run and the windows that show it.
class LeftscanApp : public QObject {
    Q_OBJECT

public:
    // Scans the Mac whose "/" is `root` and whose user's home is `home`.
    LeftscanApp(const std::filesystem::path &root, const std::filesystem::path &home,
                ScanProfile profile = ScanProfile::mac);
    ~LeftscanApp() override;

    RemnantScanner &scanner() const { return *m_scanner; }
    MainWindow &mainWindow() const { return *m_window; }
    void showSettings();
    void showAbout();

private:
    std::shared_ptr<const Platform> m_platform;
    std::unique_ptr<WindowAlertPresenter> m_alerts;
    std::unique_ptr<RemnantScanner> m_scanner;
    std::unique_ptr<MainWindow> m_window;
    QPointer<SettingsView> m_settings;
};
