#include "cli/ScanCommand.h"

#include "cli/CliAlertPresenter.h"
#include "cli/RemnantReport.h"
#include "model/FinderTagColor.h"
#include "platform/DiagnosticLog.h"
#include "platform/PathNames.h"
#include "platform/PosixPlatform.h"
#include "scanner/DemoHome.h"
#include "scanner/RemnantScanner.h"

#include <QEventLoop>
#include <cstdio>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

void printError(const QString &message)
{
    std::fprintf(stderr, "leftscan-cli: %s\n", message.toUtf8().constData());
}

// The entries a scan lists for the given paths, in the order given; nothing when any path is not listed.
std::optional<QList<RemnantItemPtr>> listedItems(const RemnantScanner &scanner, const std::vector<std::string> &paths)
{
    QList<RemnantItemPtr> items;
    for (const std::string &given : paths) {
        std::error_code ignored;
        const fs::path path = fs::absolute(fs::path(given), ignored).lexically_normal();
        RemnantItemPtr found;
        for (const RemnantItemPtr &item : scanner.remnants()) {
            if (item->url() == path) {
                found = item;
                break;
            }
        }
        if (!found) {
            printError(QStringLiteral("%1 is not a leftover that a scan lists; nothing was changed")
                           .arg(PathNames::text(fs::path(given))));
            return std::nullopt;
        }
        items.append(found);
    }
    return items;
}

} // namespace

bool ScanCommand::runScan(RemnantScanner &scanner, bool showProgress)
{
    QEventLoop loop;
    bool finished = false;
    QObject::connect(&scanner, &RemnantScanner::scanFinished, &loop, [&] {
        finished = true;
        loop.quit();
    });
    QObject::connect(&scanner, &RemnantScanner::scanRefused, &loop, &QEventLoop::quit);
    if (showProgress) {
        auto report = [&scanner] {
            std::fprintf(stderr, "\r\033[K[%3d%%] %s", int(scanner.scanProgress() * 100),
                         scanner.scanStatus().toUtf8().constData());
            std::fflush(stderr);
        };
        QObject::connect(&scanner, &RemnantScanner::scanStatusChanged, &loop, report);
        QObject::connect(&scanner, &RemnantScanner::scanProgressChanged, &loop, report);
    }
    scanner.scan();
    if (scanner.isScanning())
        loop.exec();
    if (showProgress)
        std::fprintf(stderr, "\r\033[K");
    return finished;
}

int ScanCommand::scan(const CommandLine &line)
{
    const bool terminal = isatty(STDERR_FILENO);
    std::unique_ptr<DemoHome> demo;
    if (line.demo) {
        try {
            demo = std::make_unique<DemoHome>();
        } catch (const std::exception &error) {
            printError(QStringLiteral("the demonstration Mac could not be made: %1").arg(QString::fromLocal8Bit(error.what())));
            return SomeFailed;
        }
    }
    const auto platform = demo ? std::make_shared<PosixPlatform>(demo->root(), demo->home())
                               : std::make_shared<PosixPlatform>(line.root, line.home);
    CliAlertPresenter alerts;
    RemnantScanner scanner(platform, alerts);
    scanner.setStaleThresholdDays(line.thresholdDays);
    // The engine's diagnostic lines would drown the progress line on a terminal.
    const DiagnosticLog::Sink previous =
        terminal ? DiagnosticLog::setSink([](const QString &) {}) : DiagnosticLog::Sink();
    const bool finished = runScan(scanner, terminal);
    if (terminal)
        DiagnosticLog::setSink(
            previous ? previous : [](const QString &line) { std::fprintf(stderr, "%s\n", line.toUtf8().constData()); });
    if (!finished) {
        printError(QStringLiteral("the scan was refused: the Library folder %1 cannot be read")
                       .arg(PathNames::text(line.home / "Library")));
        return Refused;
    }
    RemnantReport::print(scanner.remnants(), line.format, stdout);
    return Success;
}

int ScanCommand::trash(const CommandLine &line)
{
    const auto platform = std::make_shared<PosixPlatform>(line.root, line.home);
    CliAlertPresenter alerts(isatty(STDIN_FILENO) && isatty(STDERR_FILENO));
    RemnantScanner scanner(platform, alerts);
    if (!runScan(scanner, false)) {
        printError(QStringLiteral("the scan was refused: the Library folder %1 cannot be read")
                       .arg(PathNames::text(line.home / "Library")));
        return Refused;
    }
    const auto items = listedItems(scanner, line.operands);
    if (!items)
        return NotListed;
    int failed = 0;
    for (const RemnantItemPtr &item : *items) {
        scanner.moveToTrash(item);
        if (item->action().kind() != RemnantAction::Kind::trashed) {
            printError(QStringLiteral("%1 was not moved to the Trash").arg(item->displayPath()));
            ++failed;
        }
    }
    return failed == 0 ? Success : SomeFailed;
}

int ScanCommand::tag(const CommandLine &line)
{
    std::optional<FinderTagColor> color;
    for (const FinderTagColor candidate : allCases<FinderTagColor>()) {
        if (rawValue(candidate).compare(QString::fromStdString(line.operands.front()), Qt::CaseInsensitive) == 0)
            color = candidate;
    }
    if (!color) {
        printError(QStringLiteral("unknown colour %1 (Red, Orange, Yellow, Green, Blue, Purple or Gray)")
                       .arg(QString::fromStdString(line.operands.front())));
        return BadUsage;
    }
    const auto platform = std::make_shared<PosixPlatform>(line.root, line.home);
    CliAlertPresenter alerts;
    RemnantScanner scanner(platform, alerts);
    if (!runScan(scanner, false)) {
        printError(QStringLiteral("the scan was refused: the Library folder %1 cannot be read")
                       .arg(PathNames::text(line.home / "Library")));
        return Refused;
    }
    const auto items = listedItems(scanner, {line.operands.begin() + 1, line.operands.end()});
    if (!items)
        return NotListed;
    int failed = 0;
    for (const RemnantItemPtr &item : *items) {
        scanner.applyTag(item, *color);
        if (item->action() != RemnantAction::tagged(*color)) {
            printError(QStringLiteral("%1 was not tagged").arg(item->displayPath()));
            ++failed;
        }
    }
    return failed == 0 ? Success : SomeFailed;
}
