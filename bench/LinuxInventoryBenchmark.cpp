// SPDX-FileCopyrightText: 2026 The Leftscan developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Times the Linux profile's inventory of a system: leftscan-bench-linux-inventory ROOT HOME [RUNS [LABEL [--keys]]]
// Prints result lines: figure, value, target, verdict (tab-separated); with --keys, every key and what it names
// first, on standard error.
#include "linuxdesktop/LinuxInventory.h"
#include "platform/DiagnosticLog.h"
#include "platform/PosixPlatform.h"
#include "ui/EvidenceText.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string_view>
#include <sys/resource.h>
#include <vector>

int main(int argc, char **argv)
{
    if (argc < 3) {
        std::fprintf(stderr, "usage: %s ROOT HOME [RUNS [LABEL]]\n", argv[0]);
        return 2;
    }
    const int runs = argc > 3 ? std::max(1, std::atoi(argv[3])) : 3;
    const char *label = argc > 4 ? argv[4] : "system";
    DiagnosticLog::setSink([](const QString &) {});
    const PosixPlatform platform(argv[1], argv[2]);

    std::vector<double> seconds;
    qsizetype keys = 0;
    for (int run = 0; run < runs; ++run) {
        const auto start = std::chrono::steady_clock::now();
        const LinuxInventory inventory = LinuxInventory::build(platform);
        seconds.push_back(std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count());
        keys = inventory.size();
    }
    std::sort(seconds.begin(), seconds.end());
    if (argc > 5 && std::string_view(argv[5]) == "--keys") {
        const LinuxInventory inventory = LinuxInventory::build(platform);
        for (const QString &key : inventory.keys()) {
            const auto match = inventory.find(key);
            const QString form = EvidenceText::form(match->form, EvidenceText::Language::english);
            const QString kind = EvidenceText::ownerKind(match->owner.kind, EvidenceText::Language::english);
            std::fprintf(stderr, "%s\t%s\t%s %s\n", key.toUtf8().constData(), form.toUtf8().constData(),
                         kind.toUtf8().constData(), match->owner.id.toUtf8().constData());
        }
    }
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    std::printf("linux inventory, %s: keys\t%lld\t-\t-\n", label, static_cast<long long>(keys));
    std::printf("linux inventory, %s (s, median of %d)\t%.3f\t-\t-\n", label, runs, seconds[seconds.size() / 2]);
    std::printf("linux inventory, %s: peak memory (MB)\t%.1f\t-\t-\n", label, double(usage.ru_maxrss) / 1024.0);
    return 0;
}
