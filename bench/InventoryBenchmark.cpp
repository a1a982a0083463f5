// Times the inventory of a tree: leftscan-bench-inventory ROOT HOME [RUNS]
#include "inventory/InstalledAppScanner.h"
#include "platform/DiagnosticLog.h"
#include "platform/PosixPlatform.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <sys/resource.h>
#include <vector>

int main(int argc, char **argv)
{
    if (argc < 3) {
        std::fprintf(stderr, "usage: %s ROOT HOME [RUNS]\n", argv[0]);
        return 2;
    }
    const int runs = argc > 3 ? std::max(1, std::atoi(argv[3])) : 3;
    DiagnosticLog::setSink([](const QString &) {});
    const PosixPlatform platform(argv[1], argv[2]);
    const InstalledAppScanner scanner(platform);

    std::vector<double> seconds;
    qsizetype keys = 0;
    for (int run = 0; run < runs; ++run) {
        const auto start = std::chrono::steady_clock::now();
        const Inventory inventory = scanner.scanInstalledApps();
        seconds.push_back(std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count());
        keys = inventory.size();
    }
    std::sort(seconds.begin(), seconds.end());
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    std::printf("inventory: %lld keys, best %.3f s, median %.3f s over %d runs, peak memory %.1f MB\n",
                static_cast<long long>(keys), seconds.front(), seconds[seconds.size() / 2], runs,
                double(usage.ru_maxrss) / 1024.0);
    return 0;
}
