// SPDX-FileCopyrightText: 2026 The Leftscan developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Times the inventory of a tree: leftscan-bench-inventory ROOT HOME [RUNS [LABEL]]
// Prints result lines: figure, value, target, verdict (tab-separated).
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
        std::fprintf(stderr, "usage: %s ROOT HOME [RUNS [LABEL]]\n", argv[0]);
        return 2;
    }
    const int runs = argc > 3 ? std::max(1, std::atoi(argv[3])) : 3;
    const char *label = argc > 4 ? argv[4] : "tree";
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
    std::printf("inventory, %s: keys\t%lld\t-\t-\n", label, static_cast<long long>(keys));
    std::printf("inventory, %s (s, median of %d)\t%.3f\t-\t-\n", label, runs, seconds[seconds.size() / 2]);
    std::printf("inventory, %s: peak memory (MB)\t%.1f\t-\t-\n", label, double(usage.ru_maxrss) / 1024.0);
    return 0;
}
