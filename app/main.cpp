// SPDX-FileCopyrightText: 2026 The Leftscan developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/LeftscanApp.h"
#include "app/SignalQuit.h"
#include "app/StartupOptions.h"
#include "demo/DemoHome.h"
#include "demo/LinuxDemoHome.h"
#include "mac/MacProfile.h"
#include "platform/AllocatorTuning.h"
#include "platform/ProgramTranslations.h"
#include "ui/DesktopAppearance.h"
#include "ui/MainWindow.h"
#include "ui/Theme.h"

#include <QApplication>
#include <QDBusConnection>
#include <QIcon>
#include <QStyleFactory>
#include <clocale>
#include <cstdio>
#include <memory>

namespace {

// LEFTSCAN_APPEARANCE=dark|light overrides the desktop's preference.
bool startsDark()
{
    const QByteArray forced = qgetenv("LEFTSCAN_APPEARANCE");
    if (forced == "dark" || forced == "light")
        return forced == "dark";
    return DesktopAppearance::prefersDark().value_or(false);
}

} // namespace

int main(int argc, char **argv)
{
    AllocatorTuning::apply();
    std::setlocale(LC_ALL, "");
    QString error;
    const auto options = StartupOptions::parse(std::vector<std::string>(argv + 1, argv + argc), error);
    if (!options || options->help || options->version) {
        // Only text is wanted: a core application carries the translation, parsing again for the message.
        QCoreApplication core(argc, argv);
        ProgramTranslations::install();
        const auto translated = StartupOptions::parse(std::vector<std::string>(argv + 1, argv + argc), error);
        if (!translated) {
            std::fprintf(stderr, "leftscan: %s\n", error.toUtf8().constData());
            return 2;
        }
        std::fputs((translated->help ? StartupOptions::usage() : StartupOptions::versionLine()).toUtf8().constData(),
                   stdout);
        return 0;
    }

    SignalQuit::install();
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("leftscan"));
    QApplication::setApplicationDisplayName(QStringLiteral("Leftscan"));
    QApplication::setApplicationVersion(QStringLiteral(LEFTSCAN_VERSION));
    ProgramTranslations::install();
    // The desktop knows the program by one name: its desktop entry, its icon and its name on the session bus.
    QApplication::setDesktopFileName(QStringLiteral(LEFTSCAN_APP_ID));
    QApplication::setWindowIcon(
        QIcon::fromTheme(QStringLiteral(LEFTSCAN_APP_ID), QIcon(QStringLiteral(":/app/leftscan.svg"))));
    QDBusConnection::sessionBus().registerService(QStringLiteral(LEFTSCAN_APP_ID));
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    Theme::setDark(application, startsDark());
    DesktopAppearance appearance;
    if (qEnvironmentVariableIsEmpty("LEFTSCAN_APPEARANCE")) {
        QObject::connect(&appearance, &DesktopAppearance::changed, &application,
                         [&application](bool dark) { Theme::setDark(application, dark); });
    }

    std::unique_ptr<DemoHome> demo;
    std::filesystem::path root = options->root;
    std::filesystem::path home = options->home;
    if (options->demo) {
        try {
            demo = std::make_unique<DemoHome>();
        } catch (const std::exception &failure) {
            std::fprintf(stderr, "leftscan: %s\n",
                         QCoreApplication::translate("main", "cannot make the demonstration Mac: %1")
                             .arg(QString::fromLocal8Bit(failure.what()))
                             .toUtf8()
                             .constData());
            return 1;
        }
        root = demo->root();
        home = demo->home();
    }
    std::unique_ptr<LinuxDemoHome> linuxDemo;
    if (options->demoLinux) {
        try {
            linuxDemo = std::make_unique<LinuxDemoHome>();
        } catch (const std::exception &failure) {
            std::fprintf(stderr, "leftscan: %s\n",
                         QCoreApplication::translate("main", "cannot make the demonstration Linux desktop: %1")
                             .arg(QString::fromLocal8Bit(failure.what()))
                             .toUtf8()
                             .constData());
            return 1;
        }
        root = linuxDemo->root();
        home = linuxDemo->home();
    }
    const ScanProfile profile = options->profile          ? *options->profile
                                : options->demoLinux      ? ScanProfile::linuxDesktop
                                : options->demo           ? ScanProfile::mac
                                : MacProfile::suits(home) ? ScanProfile::mac
                                                          : ScanProfile::linuxDesktop;
    LeftscanApp app(root, home, profile, options->demo || options->demoLinux);
    app.mainWindow().resize(MainWindow::MinimumWidth + 100, 860);
    app.mainWindow().show();
    return application.exec();
}
