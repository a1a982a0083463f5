// SPDX-FileCopyrightText: 2026 The Leftscan developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Scans Mac trees made from well-known applications' real leftovers and tells how well the look-alike warnings
// guard the entries of installed applications that the scan offers as orphans:
//   leftscan-bench-lookalikes TABLE [--list]
// Every application is installed in one of two trees and removed in the other, so each entry is counted once as
// an installed application's and once as a removed one's. Result lines: figure<TAB>value<TAB>target<TAB>pass|fail.
// --list names the entries behind the figures on standard error.
#include "RealAppTree.h"

#include "identification/InstalledLookalikes.h"
#include "inventory/InstalledAppScanner.h"
#include "mac/MacProfile.h"
#include "platform/DiagnosticLog.h"
#include "platform/PosixPlatform.h"
#include "scanner/AlertPresenter.h"
#include "scanner/RemnantScanner.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QTemporaryDir>
#include <cstdio>
#include <cstring>

namespace fs = std::filesystem;

namespace {

class DecliningAlerts : public AlertPresenter {
public:
    Answer ask(const Alert &alert) override { return alert.answers.last(); }
    void openLink(const QString &) override {}
};

struct Counts {
    int installedEntries = 0;
    int installedOrphans = 0;
    int installedOrphansUnwarned = 0;
    int removedEntries = 0;
    int removedWarned = 0;
    int unlisted = 0;
    double scanMilliseconds = 0;
    double lookalikeMilliseconds = 0;
};

void printFigure(const char *figure, int count, int total, double targetPercent)
{
    const double percent = total > 0 ? 100.0 * count / total : 0.0;
    std::printf("%s\t%.2f %% (%d of %d)\t< %.1f %%\t%s\n", figure, percent, count, total, targetPercent,
                total > 0 && percent < targetPercent ? "pass" : "fail");
}

void scanTree(const std::vector<RealAppTree::App> &apps, int parity, bool list, Counts &counts)
{
    QTemporaryDir directory;
    const fs::path root = directory.path().toStdString();
    const auto owners = RealAppTree::write(apps, root, parity, std::time(nullptr));

    DecliningAlerts alerts;
    const auto platform = std::make_shared<PosixPlatform>(root, RealAppTree::home(root));
    RemnantScanner scanner(platform, std::make_shared<MacProfile>(platform), alerts);
    QEventLoop loop;
    QObject::connect(&scanner, &RemnantScanner::scanFinished, &loop, &QEventLoop::quit);
    QObject::connect(&scanner, &RemnantScanner::scanRefused, &loop, &QEventLoop::quit);
    QElapsedTimer timer;
    timer.start();
    scanner.scan();
    if (scanner.isScanning())
        loop.exec();
    counts.scanMilliseconds += double(timer.nsecsElapsed()) / 1e6;

    // What the look-alikes add to a scan: the index over the inventory and one question per listed entry; the
    // best of a few rounds, as other work on the machine only ever adds to it.
    const Inventory inventory = InstalledAppScanner(*platform).scanInstalledApps();
    double best = 0;
    for (int round = 0; round < 5; ++round) {
        timer.restart();
        const InstalledLookalikes lookalikes(inventory);
        for (const RemnantItemPtr &item : scanner.remnants())
            lookalikes.find(item->name().toLower(), std::nullopt);
        const double milliseconds = double(timer.nsecsElapsed()) / 1e6;
        best = round == 0 ? milliseconds : std::min(best, milliseconds);
    }
    counts.lookalikeMilliseconds += best;

    std::map<fs::path, RemnantItemPtr> listed;
    for (const RemnantItemPtr &item : scanner.remnants())
        listed.emplace(item->url(), item);
    for (const auto &[path, owner] : owners) {
        const auto found = listed.find(path);
        if (found == listed.end()) {
            ++counts.unlisted;
            continue;
        }
        const RemnantItem &item = *found->second;
        const bool orphan = item.status() == RemnantStatus::orphan;
        const QString who = QString::fromStdString(apps[owner.app].name);
        const QByteArray line = (item.name() + QStringLiteral(" (") + who + QStringLiteral(") → ") +
                                 item.matchedAppName().value_or(QStringLiteral("no owner")) +
                                 QStringLiteral("; look-alikes: ") + item.lookalikes().join(QStringLiteral(", ")))
                                    .toUtf8();
        if (owner.installed) {
            ++counts.installedEntries;
            counts.installedOrphans += orphan ? 1 : 0;
            if (orphan && !item.hasLookalikes())
                ++counts.installedOrphansUnwarned;
            if (orphan && list)
                std::fprintf(stderr, "installed, orphan%s: %s\n", item.hasLookalikes() ? "" : " without warning",
                             line.constData());
        } else {
            ++counts.removedEntries;
            if (item.hasLookalikes()) {
                ++counts.removedWarned;
                if (list)
                    std::fprintf(stderr, "removed, warned: %s\n", line.constData());
            }
        }
    }
}

} // namespace

int main(int argc, char **argv)
{
    if (argc < 2) {
        std::fprintf(stderr, "usage: %s TABLE [--list]\n", argv[0]);
        return 2;
    }
    QCoreApplication application(argc, argv);
    DiagnosticLog::setSink([](const QString &) {});
    const bool list = argc > 2 && std::strcmp(argv[2], "--list") == 0;
    const std::vector<RealAppTree::App> apps = RealAppTree::readTable(argv[1]);

    Counts counts;
    for (const int parity : {0, 1})
        scanTree(apps, parity, list, counts);

    std::fprintf(stderr,
                 "%zu applications; %d installed applications' entries, %d of them orphans; %d removed "
                 "applications' entries; %d entries not listed (the system's)\n",
                 apps.size(), counts.installedEntries, counts.installedOrphans, counts.removedEntries, counts.unlisted);
    printFigure("installed apps' entries shown as orphans without a look-alike warning",
                counts.installedOrphansUnwarned, counts.installedEntries, 0.5);
    printFigure("removed apps' entries with a look-alike warning", counts.removedWarned, counts.removedEntries, 10.0);
    // Two scans were made; the budget is what a user could not notice beside a scan of a real Mac.
    const double perScan = counts.lookalikeMilliseconds / 2;
    std::printf("look-alike index and lookups per scan\t%.2f ms (%.1f %% of this %.0f ms scan of %d entries)\t< 5 "
                "ms\t%s\n",
                perScan, 100.0 * counts.lookalikeMilliseconds / counts.scanMilliseconds, counts.scanMilliseconds / 2,
                (counts.installedEntries + counts.removedEntries + counts.unlisted) / 2, perScan < 5 ? "pass" : "fail");
    return 0;
}
