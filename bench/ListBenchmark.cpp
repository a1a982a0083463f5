// Fills the window's list from a scan of a generated tree and times what a user does to it:
//   leftscan-bench-list ROOT HOME [RUNS]
// Each figure is the time from the change (a search keystroke, a chip toggle, a sort change) to the finished
// relayout and repaint of the list; the median of RUNS is printed, with the process's peak memory.
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
#include <functional>
#include <vector>

namespace {

double medianMilliseconds(int runs, const std::function<void(int run)> &change, QWidget &list)
{
    std::vector<double> times;
    for (int run = 0; run < runs; ++run) {
        QApplication::processEvents();
        QElapsedTimer timer;
        timer.start();
        change(run);
        QApplication::processEvents();
        list.repaint();
        times.push_back(double(timer.nsecsElapsed()) / 1e6);
    }
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

long peakMemoryKilobytes()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray &line : status.readAll().split('\n')) {
        if (line.startsWith("VmHWM:"))
            return line.mid(6).trimmed().split(' ').first().toLong();
    }
    return -1;
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
    RemnantScanner scanner(std::make_shared<PosixPlatform>(argv[1], argv[2]), alerts);
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
    QApplication::processEvents();

    RemnantListView &list = *window.contentView()->listView();
    QWidget &view = *list.itemsView();
    std::printf("list: %lld items listed (scan with the window open: %.2f s)\n",
                static_cast<long long>(scanner.remnants().size()), scanSeconds);
    const QStringList keystrokes{QStringLiteral("c"),
                                 QStringLiteral("co"),
                                 QStringLiteral("com"),
                                 QStringLiteral("com."),
                                 QStringLiteral("co"),
                                 QStringLiteral("c"),
                                 QString()};
    const double search = medianMilliseconds(
        runs, [&](int run) { scanner.setSearchText(keystrokes[run % keystrokes.size()]); }, view);
    scanner.setSearchText(QString());
    const double chip = medianMilliseconds(
        runs, [&](int) { scanner.setFilterOrphansOnly(!scanner.filterOrphansOnly()); }, view);
    scanner.setFilterOrphansOnly(false);
    const double sort = medianMilliseconds(
        runs, [&](int run) { list.sortMenu()->setCurrentIndex((run + 1) % list.sortMenu()->count()); }, view);
    std::printf("list: search keystroke %.1f ms, chip toggle %.1f ms, sort change %.1f ms (medians of %d)\n", search,
                chip, sort, runs);
    std::printf("list: peak memory %.1f MB\n", double(peakMemoryKilobytes()) / 1024);
    return 0;
}
