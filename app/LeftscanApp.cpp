#include "app/LeftscanApp.h"

#include "linuxdesktop/LinuxProfile.h"
#include "mac/MacProfile.h"
#include "platform/PosixPlatform.h"
#include "scanner/RemnantScanner.h"
#include "ui/MainWindow.h"
#include "ui/SettingsView.h"
#include "ui/WindowAlertPresenter.h"

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

LeftscanApp::LeftscanApp(const std::filesystem::path &root, const std::filesystem::path &home, ScanProfile profile)
    : m_platform(std::make_shared<PosixPlatform>(root, home))
    , m_alerts(std::make_unique<WindowAlertPresenter>())
    , m_scanner(std::make_unique<RemnantScanner>(m_platform, profileNamed(profile, m_platform), *m_alerts))
    , m_window(std::make_unique<MainWindow>(*m_scanner))
{
    m_alerts->setParentWindow(m_window.get());
    connect(m_window.get(), &MainWindow::settingsRequested, this, &LeftscanApp::showSettings);
    connect(m_window.get(), &MainWindow::aboutRequested, this, &LeftscanApp::showAbout);
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
    QMessageBox::about(m_window.get(), QStringLiteral("About Leftscan"),
                       QStringLiteral("<b>Leftscan</b> %1<br>Finds what uninstalled applications, and applications "
                                      "not used for a long time, leave behind in the Library folders of a Mac.")
                           .arg(QStringLiteral(LEFTSCAN_VERSION)));
}
