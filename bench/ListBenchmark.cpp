// SPDX-FileCopyrightText: 2026 The Leftscan developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Fills the window's list from a scan of a generated tree and times what a user does to it:
//   leftscan-bench-list ROOT HOME [RUNS]
// Each figure is the time from the change (a search keystroke, a chip toggle, a sort change) to the finished
// relayout and repaint of the list; the median of RUNS is printed, with the process's peak memory, as result lines:
// figure, value, target, verdict (tab-separated).
#include "PeakMemory.h"
#include "mac/MacProfile.h"
#include "platform/PosixPlatform.h"
#include "scanner/RemnantScanner.h"
#include "ui/ContentView.h"
#include "ui/MainWindow.h"
#include "ui/RemnantItemsView.h"
#include "ui/RemnantListView.h"
#include "ui/Theme.h"
#include "ui/WindowAlertPresenter.h"

#include <QApplication>
#include <QComboBox>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <algorithm>
#include <cstdio>
#include <ctime>
#include <functional>
#include <vector>

namespace {

double threadCpuMilliseconds()
{
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return double(now.tv_sec) * 1e3 + double(now.tv_nsec) / 1e6;
}

// Wall-clock and window-thread processor medians; the second does not grow when other work shares the machine.
struct Timing {
    double wall;
    double cpu;
};

Timing medianMilliseconds(int runs, const std::function<void(int run)> &change, QWidget &list)
{
    std::vector<double> walls;
    std::vector<double> cpus;
    for (int run = 0; run < runs; ++run) {
        QApplication::processEvents();
        QElapsedTimer timer;
        timer.start();
        const double cpuStart = threadCpuMilliseconds();
        change(run);
        QApplication::processEvents();
        list.repaint();
        cpus.push_back(threadCpuMilliseconds() - cpuStart);
        walls.push_back(double(timer.nsecsElapsed()) / 1e6);
    }
    std::sort(walls.begin(), walls.end());
    std::sort(cpus.begin(), cpus.end());
    return {walls[walls.size() / 2], cpus[cpus.size() / 2]};
}

} // namespace

int main(int argc, char **argv)
{
    if (argc < 3) {
        std::fprintf(stderr, "usage: leftscan-bench-list ROOT HOME [RUNS]\n");
        return 2;
    }
    const int runs = argc > 3 ? std::max(1, std::atoi(argv[3])) : 7;
    QApplication application(argc, argv);
    Theme::setDark(application, false);
    WindowAlertPresenter alerts;
    const auto platform = std::make_shared<PosixPlatform>(argv[1], argv[2]);
    RemnantScanner scanner(platform, std::make_shared<MacProfile>(platform), alerts);
    MainWindow window(scanner);
    window.resize(1600, 900);
    window.show();

    QEventLoop loop;
    QObject::connect(&scanner, &RemnantScanner::scanFinished, &loop, &QEventLoop::quit);
    QElapsedTimer scanTimer;
    scanTimer.start();
    scanner.scan();
    loop.exec();
    const double scanSeconds = double(scanTimer.elapsed()) / 1000;
    // The figures are the list's own: the sizes measured after the scan have all arrived.
    if (scanner.isMeasuringSizes()) {
        QObject::connect(&scanner, &RemnantScanner::isMeasuringSizesChanged, &loop, [&loop](bool measuring) {
            if (!measuring)
                loop.quit();
        });
        loop.exec();
    }
    QApplication::processEvents();

    RemnantListView &list = *window.contentView()->listView();
    QWidget &view = *list.itemsView();
    std::printf("list: items listed\t%lld\t-\t-\n", static_cast<long long>(scanner.remnants().size()));
    std::printf("list: scan with the window open (s)\t%.2f\t-\t-\n", scanSeconds);
    const QStringList keystrokes{QStringLiteral("c"),
                                 QStringLiteral("co"),
                                 QStringLiteral("com"),
                                 QStringLiteral("com."),
                                 QStringLiteral("co"),
                                 QStringLiteral("c"),
                                 QString()};
    const Timing search = medianMilliseconds(
        runs, [&](int run) { scanner.setSearchText(keystrokes[run % keystrokes.size()]); }, view);
    scanner.setSearchText(QString());
    const Timing chip = medianMilliseconds(
        runs, [&](int) { scanner.setFilterOrphansOnly(!scanner.filterOrphansOnly()); }, view);
    scanner.setFilterOrphansOnly(false);
    const Timing sort = medianMilliseconds(
        runs, [&](int run) { list.sortMenu()->setCurrentIndex((run + 1) % list.sortMenu()->count()); }, view);
    const std::pair<const char *, Timing> figures[] = {
        {"search keystroke", search}, {"chip toggle", chip}, {"sort change", sort}};
    for (const auto &[figure, timing] : figures) {
        std::printf("list: %s (ms, wall, median of %d)\t%.1f\t-\t-\n", figure, runs, timing.wall);
        std::printf("list: %s (ms, window thread's processor time)\t%.1f\t-\t-\n", figure, timing.cpu);
    }
    std::printf("list: peak memory (MB)\t%.1f\t-\t-\n", double(peakMemoryKilobytes()) / 1024);
    return 0;
}
