// SPDX-FileCopyrightText: 2026 The Leftscan developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Times the measurement of what leftovers take on disk, as the scanner runs it after a scan, beside `du -s` over
// the same entries in the same run, and the census of the user's files that the same walk takes against the walk
// without it:
//   leftscan-bench-sizes [FILES]
// A home whose leftover folders hold FILES files in all (default 500,000) is written below a temporary folder and
// removed at the end. Each figure is one line: figure, value, target, pass|fail|- separated by tabs.
#include "PeakMemory.h"
#include "mac/MacProfile.h"
#include "platform/DiagnosticLog.h"
#include "platform/FolderSizeMeter.h"
#include "platform/PosixPlatform.h"
#include "scanner/AlertPresenter.h"
#include "scanner/RemnantScanner.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QProcess>
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <string>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

class NoAlerts : public AlertPresenter {
public:
    Answer ask(const Alert &) override { return Answer::cancel; }
    void openLink(const QString &) override {}
};

void figure(const char *name, const std::string &value, const char *target = "-", const char *verdict = "-")
{
    std::printf("%s\t%s\t%s\t%s\n", name, value.c_str(), target, verdict);
    std::fflush(stdout);
}

std::string fixed(double value, const char *unit)
{
    char text[64];
    std::snprintf(text, sizeof text, "%.2f%s", value, unit);
    return text;
}

// The names files in leftover folders have: cache entries without an extension, pictures, pages, scripts,
// databases, logs and settings, now and then a document or a certificate (which the census reads to tell it from
// a key).
std::string fileName(long file)
{
    static const char *const Extensions[] = {"",     "",     "",      "",        ".jpg", ".png", ".json", ".js",
                                             ".log", ".txt", ".html", ".sqlite", ".css", ".dat", ".webp", ".xml"};
    if (file % 997 == 0)
        return "server" + std::to_string(file) + ".pem";
    if (file % 499 == 0)
        return "notes" + std::to_string(file) + ".odt";
    return "item" + std::to_string(file) + Extensions[file % std::size(Extensions)];
}

// Leftover folders of four Library folders, each entry with nested folders of small files of varied lengths.
std::vector<fs::path> writeTree(const fs::path &home, long files)
{
    constexpr int EntriesPerLocation = 250;
    constexpr int FilesPerFolder = 50;
    const char *locations[] = {"Caches", "Application Support", "Containers", "Logs"};
    const char *folders[] = {"data", "Cache", "images", "store", "Local Storage", "blobs"};
    const long entryCount = long(std::size(locations)) * EntriesPerLocation;
    std::vector<fs::path> entries;
    const std::string bytes(6000, 'd');
    const std::string certificate = "-----BEGIN CERTIFICATE-----\n" + std::string(1200, 'M') + "\n";
    long written = 0;
    for (long entry = 0; entry < entryCount; ++entry) {
        const fs::path folder = home / "Library" / locations[entry % std::size(locations)] /
                                ("net.qvorta.leftover" + std::to_string(entry));
        entries.push_back(folder);
        const long share = files / entryCount + (entry < files % entryCount ? 1 : 0);
        for (long file = 0; file < share; ++file, ++written) {
            const fs::path inner =
                folder /
                (folders[file / FilesPerFolder % std::size(folders)] + std::to_string(file / FilesPerFolder / 4)) /
                ("part" + std::to_string(file / FilesPerFolder));
            if (file % FilesPerFolder == 0)
                fs::create_directories(inner);
            const std::string name = fileName(written);
            const fs::path path = inner / name;
            const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
            const bool pem = name.ends_with(".pem");
            if (fd < 0 || ::write(fd, pem ? certificate.data() : bytes.data(),
                                  pem ? certificate.size() : std::size_t(written * 7919 % 6000)) < 0)
                throw std::runtime_error("cannot write " + path.native());
            ::close(fd);
        }
    }
    return entries;
}

// The fastest of `runs` walks over the entries, with or without the census, in seconds.
double bestWalk(const std::vector<fs::path> &entries, FolderSizeMeter::Census census, int runs)
{
    double best = 0;
    for (int run = 0; run < runs; ++run) {
        QElapsedTimer timer;
        timer.start();
        FolderSizeMeter meter(nullptr, census);
        for (const fs::path &entry : entries)
            meter.measure(entry, entry.parent_path().filename() == "Caches");
        const double seconds = double(timer.nsecsElapsed()) / 1e9;
        best = run == 0 ? seconds : std::min(best, seconds);
    }
    return best;
}

// The seconds `du` takes and the total it gives.
std::pair<double, qint64> runDu(const QStringList &arguments)
{
    QProcess du;
    QElapsedTimer timer;
    timer.start();
    du.start(QStringLiteral("du"), arguments);
    du.waitForFinished(-1);
    const double seconds = double(timer.nsecsElapsed()) / 1e9;
    const QList<QByteArray> lines = du.readAllStandardOutput().trimmed().split('\n');
    return {seconds, lines.last().split('\t').first().toLongLong()};
}

} // namespace

int main(int argc, char **argv)
{
    const long files = argc > 1 ? std::max(1L, std::atol(argv[1])) : 500000;
    QCoreApplication application(argc, argv);
    DiagnosticLog::setSink([](const QString &) {});

    std::string pattern = (fs::temp_directory_path() / "leftscan-bench-sizes-XXXXXX").native();
    if (!mkdtemp(pattern.data())) {
        std::perror("mkdtemp");
        return 1;
    }
    const fs::path root = pattern;
    const fs::path home = root / "Users" / "bench";
    std::vector<fs::path> entries;
    try {
        entries = writeTree(home, files);
    } catch (const std::exception &error) {
        std::fprintf(stderr, "%s\n", error.what());
        fs::remove_all(root);
        return 1;
    }
    QStringList duArguments{QStringLiteral("-s"), QStringLiteral("-x"), QStringLiteral("-B1"), QStringLiteral("-c")};
    for (const fs::path &entry : entries)
        duArguments.append(QString::fromStdString(entry.native()));
    // Once before anything is timed, so that both walks find the same folders in memory.
    runDu(duArguments);

    // The census against the walk alone, on one thread, in turns so that both meet the same machine.
    const long peakBeforeWalks = peakMemoryKilobytes();
    double walkAlone = 0;
    double walkWithCensus = 0;
    for (int turn = 0; turn < 3; ++turn) {
        const double alone = bestWalk(entries, FolderSizeMeter::Census::skip, 1);
        const double withCensus = bestWalk(entries, FolderSizeMeter::Census::take, 1);
        walkAlone = turn == 0 ? alone : std::min(walkAlone, alone);
        walkWithCensus = turn == 0 ? withCensus : std::min(walkWithCensus, withCensus);
    }
    const long censusMemory = peakMemoryKilobytes() - peakBeforeWalks;

    NoAlerts alerts;
    const auto platform = std::make_shared<PosixPlatform>(root, home);
    RemnantScanner scanner(platform, std::make_shared<MacProfile>(platform), alerts);
    QEventLoop loop;
    QElapsedTimer timer;
    long peakAfterScan = 0;
    QObject::connect(&scanner, &RemnantScanner::scanFinished, &loop, [&] {
        peakAfterScan = peakMemoryKilobytes();
        timer.start();
    });
    QObject::connect(&scanner, &RemnantScanner::sizesMeasured, &loop, &QEventLoop::quit);
    scanner.scan();
    loop.exec();
    const double seconds = double(timer.nsecsElapsed()) / 1e9;
    const long peakAbove = peakMemoryKilobytes() - peakAfterScan;
    qint64 measuredFiles = 0;
    qint64 measuredBytes = 0;
    for (const RemnantItemPtr &item : scanner.remnants()) {
        measuredFiles += item->itemCount();
        measuredBytes += item->sizeOnDisk().value_or(0);
    }

    const auto [duSeconds, duBytes] = runDu(duArguments);

    const double ratio = seconds / duSeconds;
    const double megabytesAbove = double(std::max(0L, peakAbove)) / 1024;
    figure("sizes: leftovers measured", std::to_string(scanner.remnants().size()));
    figure("sizes: files measured", std::to_string(measuredFiles), std::to_string(files).c_str(),
           measuredFiles == files ? "pass" : "fail");
    figure("sizes: time", fixed(seconds, " s"));
    figure("sizes: files per second", std::to_string(qint64(double(measuredFiles) / seconds)));
    figure("sizes: du -s time", fixed(duSeconds, " s"));
    figure("sizes: time against du -s", fixed(ratio, "x"), "<= 1.50x", ratio <= 1.5 ? "pass" : "fail");
    figure("sizes: peak memory above the scan's", fixed(megabytesAbove, " MB"), "< 100 MB",
           megabytesAbove < 100 ? "pass" : "fail");
    figure("sizes: bytes on disk against du -s", measuredBytes == duBytes ? "equal" : "differ", "equal",
           measuredBytes == duBytes ? "pass" : "fail");
    const double censusCost = walkWithCensus / walkAlone - 1;
    figure("census: walk alone, one thread", fixed(walkAlone, " s"));
    figure("census: walk with the census, one thread", fixed(walkWithCensus, " s"));
    figure("census: cost over the walk alone", fixed(censusCost * 100, " %"), "<= 15 %",
           censusCost <= 0.15 ? "pass" : "fail");
    figure("census: peak memory added over all files", fixed(double(std::max(0L, censusMemory)) / 1024, " MB"),
           "< 1 MB", censusMemory < 1024 ? "pass" : "fail");

    std::error_code ignored;
    fs::remove_all(root, ignored);
    return 0;
}
