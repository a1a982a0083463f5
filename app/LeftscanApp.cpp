// SPDX-FileCopyrightText: 2026 The Leftscan developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/LeftscanApp.h"

#include "demo/DemoHome.h"

#include "linuxdesktop/LinuxProfile.h"
#include "mac/MacProfile.h"
#include "platform/PosixPlatform.h"
#include "scanner/RemnantScanner.h"
#include "ui/ContentView.h"
#include "ui/MainWindow.h"
#include "ui/RemnantListView.h"
#include "ui/SettingsView.h"
#include "ui/WelcomeView.h"
#include "ui/WindowAlertPresenter.h"

#include <QDir>
#include <QFile>

#include <QMessageBox>

namespace {

// The one place where the window's program turns the profile it was given into the profile the engine asks.
std::shared_ptr<const Profile> profileNamed(ScanProfile profile, std::shared_ptr<const Platform> platform)
{
    if (profile == ScanProfile::linuxDesktop)
        return std::make_shared<LinuxProfile>(std::move(platform));
    return std::make_shared<MacProfile>(std::move(platform));
}

} // namespace

LeftscanApp::LeftscanApp(const std::filesystem::path &root, const std::filesystem::path &home, ScanProfile profile,
                         bool demonstration)
    : m_demonstration(demonstration)
    , m_platform(std::make_shared<PosixPlatform>(root, home))
    , m_alerts(std::make_unique<WindowAlertPresenter>())
    , m_scanner(std::make_unique<RemnantScanner>(m_platform, profileNamed(profile, m_platform), *m_alerts))
    , m_window(std::make_unique<MainWindow>(*m_scanner))
{
    connectWindow();
}

void LeftscanApp::connectWindow()
{
    m_alerts->setParentWindow(m_window.get());
    connect(m_window.get(), &MainWindow::settingsRequested, this, &LeftscanApp::showSettings);
    connect(m_window.get(), &MainWindow::aboutRequested, this, &LeftscanApp::showAbout);
    WelcomeView *welcome = m_window->contentView()->listView()->welcomeView();
    welcome->setAlternative(m_demonstration ? tr("Scan Your Own Home") : tr("Try the Demonstration Mac"));
    connect(welcome, &WelcomeView::alternativeRequested, this, &LeftscanApp::scanAlternative, Qt::QueuedConnection);
}

void LeftscanApp::scanAlternative()
{
    std::filesystem::path root("/");
    std::filesystem::path home;
    ScanProfile profile = ScanProfile::mac;
    if (m_demonstration) {
        home = std::filesystem::path(QFile::encodeName(QDir::homePath()).toStdString());
        profile = MacProfile::suits(home) ? ScanProfile::mac : ScanProfile::linuxDesktop;
    } else {
        if (!m_demo) {
            try {
                m_demo = std::make_unique<DemoHome>();
            } catch (const std::exception &failure) {
                QMessageBox::warning(m_window.get(), tr("The demonstration Mac could not be made"),
                                     QString::fromLocal8Bit(failure.what()));
                return;
            }
        }
        root = m_demo->root();
        home = m_demo->home();
    }
    auto platform = std::make_shared<PosixPlatform>(root, home);
    auto scanner = std::make_unique<RemnantScanner>(platform, profileNamed(profile, platform), *m_alerts);
    auto window = std::make_unique<MainWindow>(*scanner);
    window->setGeometry(m_window->geometry());
    if (m_window->isMaximized())
        window->setWindowState(Qt::WindowMaximized);
    delete m_settings;
    std::swap(m_window, window);
    std::swap(m_scanner, scanner);
    m_platform = std::move(platform);
    m_demonstration = !m_demonstration;
    connectWindow();
    m_window->show();
    // The old window goes before the scanner it observes.
    window.reset();
    scanner.reset();
    m_window->startScanAction()->trigger();
}

LeftscanApp::~LeftscanApp()
{
    // The windows go before the scanner they observe.
    delete m_settings;
    m_window.reset();
    m_scanner.reset();
}

void LeftscanApp::showSettings()
{
    if (!m_settings) {
        m_settings = new SettingsView(*m_scanner, m_window.get());
        m_settings->setAttribute(Qt::WA_DeleteOnClose);
    }
    m_settings->show();
    m_settings->raise();
    m_settings->activateWindow();
}

void LeftscanApp::showAbout()
{
    QMessageBox::about(
        m_window.get(), tr("About Leftscan"),
        tr("<p><b>Leftscan</b> %1</p>"
           "<p>Finds what uninstalled applications, and applications not used for a long time, leave behind in "
           "the Library folders of a Mac or the home of a Linux desktop.</p>"
           "<p>Copyright © 2026 The Leftscan developers<br>"
           "Leftscan is free software under the GNU General Public License, version 3 or (at your option) any "
           "later version (GPL-3.0-or-later). It comes with ABSOLUTELY NO WARRANTY. See "
           "<a href=\"https://www.gnu.org/licenses/gpl-3.0.html\">the licence</a>.</p>"
           "<p>Uses Qt %2 and libplist, under the GNU Lesser General Public License; symbols from "
           "Bootstrap Icons, under the MIT licence.</p>")
            .arg(QStringLiteral(LEFTSCAN_VERSION), QString::fromLatin1(qVersion())));
}
