// SPDX-FileCopyrightText: 2026 The Leftscan developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "cli/ScanCommand.h"

#include "cli/CliQuestions.h"
#include "cli/InterruptibleDemo.h"
#include "cli/ProfileChoice.h"
#include "cli/RemnantReport.h"
#include "cli/StandardOutput.h"
#include "cli/TerminalText.h"
#include "inventory/StageTimings.h"
#include "model/FinderTagColor.h"
#include "platform/PathNames.h"
#include "platform/PosixPlatform.h"
#include "scanner/Profile.h"
#include "scanner/ScanSession.h"
#include "ui/FailureText.h"
#include "ui/ScanWarningText.h"
#include "ui/UserFilesText.h"

#include <QEventLoop>
#include <chrono>
#include <cstdio>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

void printError(const QByteArray &message)
{
    std::fprintf(stderr, "leftscan-cli: %s\n", TerminalText::bytes(message.toStdString()).constData());
}

void printError(const QString &message)
{
    printError(message.toUtf8());
}

// A path as the terminal shows it, to go into a message.
QString shown(const fs::path &path)
{
    return QString::fromUtf8(TerminalText::path(path));
}

// The entries a scan lists for the given paths, in the order given and each once; nothing when any path is not
// listed.
std::optional<QList<RemnantItemPtr>> listedItems(const ScanSession &session, const std::vector<std::string> &paths)
{
    QList<RemnantItemPtr> items;
    for (const std::string &given : paths) {
        const fs::path path = CommandLine::normalisedPath(given);
        RemnantItemPtr found;
        for (const RemnantItemPtr &item : session.items()) {
            if (item->url() == path) {
                found = item;
                break;
            }
        }
        if (!found) {
            printError(ScanCommand::tr("%1 is not a leftover that a scan lists; nothing was changed")
                           .arg(shown(fs::path(given))));
            return std::nullopt;
        }
        if (!items.contains(found))
            items.append(found);
    }
    return items;
}

// The stage's name in the lines of --timings: fixed English, as scripts read them.
const char *stageName(StageTimings::Stage stage)
{
    using Stage = StageTimings::Stage;
    switch (stage) {
    case Stage::readingBundles:
        return "inventory: reading bundles";
    case Stage::applicationFolders:
        return "inventory: application folders";
    case Stage::workspace:
        return "inventory: workspace";
    case Stage::runningApplications:
        return "inventory: running applications";
    case Stage::receipts:
        return "inventory: receipts";
    case Stage::applicationSupport:
        return "inventory: Application Support";
    case Stage::frameworks:
        return "inventory: frameworks";
    case Stage::toolsAndJava:
        return "inventory: tools and Java";
    case Stage::packageManagers:
        return "inventory: Homebrew and MacPorts";
    case Stage::indexBuild:
        return "index build";
    case Stage::listing:
        return "listing";
    case Stage::identification:
        return "identification";
    case Stage::output:
        break;
    }
    return "output";
}

// Each stage's time, then the whole, in seconds; a stage that several threads share counts its own wall-clock time.
void printTimings(std::chrono::steady_clock::duration whole)
{
    for (const auto &[stage, seconds] : StageTimings::totals())
        std::fprintf(stderr, "timing: %-40s %8.3f s\n", stageName(stage), seconds);
    std::fprintf(stderr, "timing: %-40s %8.3f s\n", "whole scan", std::chrono::duration<double>(whole).count());
}

} // namespace

bool ScanCommand::runScan(ScanSession &session, int thresholdDays, bool showProgress)
{
    if (const std::optional<Profile::AccessProblem> problem = session.profile().accessProblem()) {
        if (problem->kind == Profile::AccessProblem::Kind::unreadableFolder)
            printError((problem->role == Profile::AccessProblem::Folder::library
                            ? tr("the scan was refused: the Library folder %1 cannot be read")
                            : tr("the scan was refused: the home folder %1 cannot be read"))
                           .arg(shown(problem->folder)));
        else if (problem->kind == Profile::AccessProblem::Kind::rootAsHome)
            printError(
                tr("the scan was refused: the home folder cannot be the root folder (%1)").arg(shown(problem->folder)));
        else
            printError(tr("the scan was refused: Full Disk Access has not been granted"));
        return false;
    }
    QEventLoop loop;
    // A finished scan goes on measuring sizes, when it does, before it counts as done here.
    QObject::connect(&session, &ScanSession::scanFinished, &loop, [&] {
        if (!session.isMeasuringSizes())
            loop.quit();
    });
    QObject::connect(&session, &ScanSession::sizesMeasured, &loop, &QEventLoop::quit);
    if (showProgress) {
        auto report = [&session] {
            const auto &location = session.currentLocation();
            const QString status = location ? tr("Scanning: %1").arg(PathNames::fileName(location->path.url))
                                            : tr("Detecting installed apps...");
            std::fprintf(stderr, "\r\033[K[%3d%%] %s", int(session.progress() * 100), status.toUtf8().constData());
            std::fflush(stderr);
        };
        QObject::connect(&session, &ScanSession::stageChanged, &loop, report);
        QObject::connect(&session, &ScanSession::progressChanged, &loop, report);
        QObject::connect(&session, &ScanSession::isMeasuringSizesChanged, &loop, [](bool measuring) {
            if (measuring) {
                std::fprintf(stderr, "\r\033[K[100%%] %s", tr("Measuring sizes...").toUtf8().constData());
                std::fflush(stderr);
            }
        });
    }
    if (session.start(thresholdDays))
        loop.exec();
    if (showProgress)
        std::fprintf(stderr, "\r\033[K");
    for (const ScanWarning &warning : session.warnings())
        printError(tr("warning: %1").arg(ScanWarningText::text(warning)));
    return true;
}

int ScanCommand::scan(const CommandLine &line, InterruptibleDemo *demo)
{
    fs::path root = line.root;
    fs::path home = line.home;
    if (line.demo && demo) {
        try {
            const DemoHome &made = demo->make();
            root = made.root();
            home = made.home();
        } catch (const std::exception &error) {
            printError(tr("the demonstration Mac could not be made: %1").arg(QString::fromLocal8Bit(error.what())));
            return SomeFailed;
        }
    }
    if (line.demoLinux && demo) {
        try {
            const LinuxDemoHome &made = demo->makeLinux();
            root = made.root();
            home = made.home();
        } catch (const std::exception &error) {
            printError(
                tr("the demonstration Linux desktop could not be made: %1").arg(QString::fromLocal8Bit(error.what())));
            return SomeFailed;
        }
    }
    CliQuestions questions;
    const auto platform = std::make_shared<PosixPlatform>(root, home);
    ScanSession session(platform, ProfileChoice::make(line.scanProfile(), platform), questions);
    session.setMeasuresSizes(line.sizes);
    StageTimings::setEnabled(line.timings);
    const auto start = std::chrono::steady_clock::now();
    // The progress line is drawn over and over on a terminal, where it would break up the diagnostic lines.
    if (!runScan(session, line.thresholdDays, isatty(STDERR_FILENO) && !line.verbose && !line.timings))
        return Refused;
    int status = Success;
    {
        const StageTimings::Scope timing(StageTimings::Stage::output);
        RemnantReport::print(session.items(), line.format, stdout);
        // Written out while the demo is still there.
        status = StandardOutput::finish(Success);
    }
    if (line.timings)
        printTimings(std::chrono::steady_clock::now() - start);
    return status;
}

int ScanCommand::trash(const CommandLine &line)
{
    CliQuestions questions(isatty(STDIN_FILENO) && isatty(STDERR_FILENO));
    const auto platform = std::make_shared<PosixPlatform>(line.root, line.home);
    ScanSession session(platform, ProfileChoice::make(line.scanProfile(), platform), questions);
    session.setMeasuresSizes(false);
    if (!runScan(session, line.thresholdDays, false))
        return Refused;
    const auto items = listedItems(session, line.operands);
    if (!items)
        return NotListed;
    if (!line.force) {
        // What each item holds is looked at before anything moves.
        session.measureNow(*items);
        bool refused = false;
        for (const RemnantItemPtr &item : *items) {
            for (const QString &concern : UserFilesText::concerns(*item)) {
                printError(TerminalText::path(item->url()) + ' ' + TerminalText::path(concern.toStdString()));
                refused = true;
            }
        }
        if (refused) {
            printError(tr("nothing was changed; check these items, then give --force to move them anyway"));
            return NotListed;
        }
    }
    int failed = 0;
    for (const RemnantItemPtr &item : *items) {
        // The paths were named on the command line, and either nothing speaks against them or --force accepts it.
        session.moveToTrash(item, ScanSession::Confirmation::byName);
        if (item->action().kind() != RemnantAction::Kind::trashed) {
            printError(tr("%1 was not moved to the Trash").arg(shown(item->url())));
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
        printError(tr("unknown colour %1 (Red, Orange, Yellow, Green, Blue, Purple or Gray)")
                       .arg(QString::fromStdString(line.operands.front())));
        return BadUsage;
    }
    CliQuestions questions;
    const auto platform = std::make_shared<PosixPlatform>(line.root, line.home);
    ScanSession session(platform, ProfileChoice::make(line.scanProfile(), platform), questions);
    session.setMeasuresSizes(false);
    if (!runScan(session, line.thresholdDays, false))
        return Refused;
    const auto items = listedItems(session, {line.operands.begin() + 1, line.operands.end()});
    if (!items)
        return NotListed;
    int failed = 0;
    for (const RemnantItemPtr &item : *items) {
        if (const auto error = session.applyTag(item, *color)) {
            printError(tr("%1 was not tagged: %2").arg(shown(item->url()), FailureText::of(*error)));
            ++failed;
        }
    }
    return failed == 0 ? Success : SomeFailed;
}
