// SPDX-FileCopyrightText: 2026 The Leftscan developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "cli/CatalogueCommand.h"
#include "cli/CommandLine.h"
#include "cli/InterruptibleDemo.h"
#include "cli/InventoryCommand.h"
#include "cli/RestoreCommand.h"
#include "cli/ScanCommand.h"
#include "cli/StandardOutput.h"
#include "cli/TerminalText.h"
#include "inventory/InstalledAppScanner.h"
#include "platform/AllocatorTuning.h"
#include "platform/DiagnosticLog.h"
#include "platform/PosixPlatform.h"
#include "platform/ProgramTranslations.h"

#include <QCoreApplication>
#include <clocale>
#include <cstdio>
#include <optional>

namespace {

int run(const CommandLine &line, int argc, char **argv)
{
    // The demo's guard against interruption must be in place before any thread starts.
    std::optional<InterruptibleDemo> demo;
    if (line.demo || line.demoLinux)
        demo.emplace();
    QCoreApplication application(argc, argv);
    ProgramTranslations::install();
    if (line.help) {
        std::fputs(CommandLine::usage().toUtf8().constData(), stdout);
        return ScanCommand::Success;
    }
    if (line.version) {
        std::fputs(CommandLine::versionLine().toUtf8().constData(), stdout);
        return ScanCommand::Success;
    }
    if (line.command == "catalogue") {
        CatalogueCommand::print(line.format, stdout);
        return ScanCommand::Success;
    }
    if (line.command == "restore")
        return RestoreCommand::restore(line);
    if (line.command == "inventory") {
        const PosixPlatform platform(line.root, line.home);
        if (line.scanProfile() == ScanProfile::linuxDesktop)
            InventoryCommand::print(LinuxInventory::build(platform), line.format, stdout);
        else
            InventoryCommand::print(InstalledAppScanner(platform).scanInstalledApps(), line.format, stdout);
        return ScanCommand::Success;
    }
    if (line.command == "trash")
        return ScanCommand::trash(line);
    if (line.command == "tag")
        return ScanCommand::tag(line);
    return ScanCommand::scan(line, demo ? &*demo : nullptr);
}

} // namespace

int main(int argc, char **argv)
{
    AllocatorTuning::apply();
    std::setlocale(LC_ALL, "");
    const std::vector<std::string> arguments(argv + 1, argv + argc);
    QString error;
    const auto line = CommandLine::parse(arguments, error);
    if (!line) {
        // Parsed again for the message in the user's language, which needs the application.
        QCoreApplication application(argc, argv);
        ProgramTranslations::install();
        CommandLine::parse(arguments, error);
        std::fprintf(stderr, "leftscan-cli: %s\n", TerminalText::text(error).constData());
        return ScanCommand::BadUsage;
    }
    // Standard output carries the result; the engine's diagnostic lines go to standard error when asked for.
    if (line->verbose)
        DiagnosticLog::writeToStandardError(&TerminalText::text);
    else
        DiagnosticLog::setSink([](const QString &) {});
    return StandardOutput::finish(run(*line, argc, argv));
}
