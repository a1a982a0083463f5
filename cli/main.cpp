#include "cli/CatalogueCommand.h"
#include "cli/CommandLine.h"
#include "cli/InventoryCommand.h"
#include "cli/ScanCommand.h"
#include "inventory/InstalledAppScanner.h"
#include "platform/DiagnosticLog.h"
#include "platform/PosixPlatform.h"

#include <QCoreApplication>
#include <clocale>
#include <cstdio>

int main(int argc, char **argv)
{
    std::setlocale(LC_ALL, "");
    const std::vector<std::string> arguments(argv + 1, argv + argc);
    QString error;
    const auto line = CommandLine::parse(arguments, error);
    if (!line) {
        std::fprintf(stderr, "leftscan-cli: %s\n", error.toUtf8().constData());
        return ScanCommand::BadUsage;
    }
    if (line->help) {
        std::fputs(CommandLine::usage().toUtf8().constData(), stdout);
        return 0;
    }
    if (line->command == "catalogue") {
        CatalogueCommand::print(line->format, stdout);
        return 0;
    }

    // Standard output carries the result; the engine's diagnostic lines go to standard error.
    DiagnosticLog::writeToStandardError();
    if (line->command == "inventory") {
        const PosixPlatform platform(line->root, line->home);
        InventoryCommand::print(InstalledAppScanner(platform).scanInstalledApps(), line->format, stdout);
        return 0;
    }
    QCoreApplication application(argc, argv);
    if (line->command == "trash")
        return ScanCommand::trash(*line);
    if (line->command == "tag")
        return ScanCommand::tag(*line);
    return ScanCommand::scan(*line);
}
