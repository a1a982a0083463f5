// SPDX-FileCopyrightText: 2026 The Leftscan developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Entries per second for names that match nothing, against synthetic inventories of growing size:
// leftscan-bench-identification [KEYS...]   (default 10000 100000)
// Prints result lines: figure, value, target, verdict (tab-separated). Against 100,000 keys at least 100,000
// names a second are wanted.
#include "identification/AppIdentifierService.h"
#include "identification/KnownAppMatcher.h"
#include "identification/OwnerIdentifier.h"
#include "platform/DiagnosticLog.h"
#include "platform/PosixPlatform.h"

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <random>
#include <sys/resource.h>

namespace {

double threadCpuSeconds()
{
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return double(now.tv_sec) + double(now.tv_nsec) / 1e9;
}

QString word(std::mt19937 &random, const char *letters, int minimum, int maximum)
{
    const int length = std::uniform_int_distribution<int>(minimum, maximum)(random);
    const int count = int(std::strlen(letters));
    QString text;
    for (int i = 0; i < length; ++i)
        text.append(QChar(letters[std::uniform_int_distribution<int>(0, count - 1)(random)]));
    return text;
}

// Keys of every form, built from the first half of the alphabet, as a large Mac's inventory would hold.
Inventory syntheticInventory(int keys, std::mt19937 &random)
{
    const char *letters = "abcdefghilmnoprstu";
    const char *prefixes[] = {"name:",
                              "helper:",
                              "keyword:",
                              "keyword:",
                              "receipt:",
                              "appsupport:",
                              "receipt-component:",
                              "framework:",
                              "tool:",
                              "brew:",
                              "port:",
                              "",
                              "",
                              ""};
    Inventory inventory;
    while (inventory.size() < keys) {
        const QString vendor = word(random, letters, 4, 9);
        const QString product = word(random, letters, 4, 10);
        const InstalledApp app{product + u' ' + word(random, letters, 3, 8),
                               QStringLiteral("com.") + vendor + u'.' + product, "/Applications/x.app", std::nullopt};
        for (int i = 0; i < 12 && inventory.size() < keys; ++i) {
            const char *prefix = prefixes[std::uniform_int_distribution<int>(0, std::size(prefixes) - 1)(random)];
            QString rest =
                *prefix ? word(random, letters, 3, 14) : app.bundleID.toLower() + u'.' + word(random, letters, 3, 8);
            if (QLatin1StringView(prefix) == QLatin1StringView("name:"))
                rest = app.name.toLower();
            inventory.insert(QLatin1StringView(prefix) + rest, app);
        }
    }
    return inventory;
}

} // namespace

int main(int argc, char **argv)
{
    DiagnosticLog::setSink([](const QString &) {});
    std::vector<int> sizes;
    for (int i = 1; i < argc; ++i)
        sizes.push_back(std::atoi(argv[i]));
    if (sizes.empty())
        sizes = {10000, 100000};

    const PosixPlatform platform("/nonexistent-root", "/nonexistent-home");
    constexpr int Entries = 4000;
    for (const int size : sizes) {
        std::mt19937 random(2026);
        const Inventory inventory = syntheticInventory(size, random);

        const auto buildStart = std::chrono::steady_clock::now();
        const OwnerIdentifier identifier(inventory, platform);
        const double buildSeconds =
            std::chrono::duration<double>(std::chrono::steady_clock::now() - buildStart).count();

        // Names from the other half of the alphabet share nothing with the inventory; names the catalogue
        // knows are left out, so every entry goes through every stage.
        std::vector<QString> names;
        while (names.size() < Entries) {
            const QString name = word(random, "jkqvwxyz", 3, 8) + u'.' + word(random, "jkqvwxyz", 4, 12);
            if (!KnownAppMatcher::shared().firstMatch(name))
                names.push_back(name);
        }
        AppIdentifierService service;
        int owned = 0;
        const auto start = std::chrono::steady_clock::now();
        const double cpuStart = threadCpuSeconds();
        for (const QString &name : names)
            owned += identifier.identifyOwner(name, ("/nonexistent/" + name).toStdString(), service).bundleID ? 1 : 0;
        const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
        const double cpuSeconds = threadCpuSeconds() - cpuStart;
        rusage usage{};
        getrusage(RUSAGE_SELF, &usage);
        const double rate = Entries / seconds;
        const bool targeted = inventory.size() == 100000;
        std::fprintf(stderr, "identification: %d keys, %d of %d unmatched names attributed\n", int(inventory.size()),
                     owned, Entries);
        std::printf("identification, %d keys: index build (s)\t%.3f\t-\t-\n", int(inventory.size()), buildSeconds);
        std::printf("identification, %d keys: unmatched names a second\t%.0f\t%s\t%s\n", int(inventory.size()), rate,
                    targeted ? ">= 100000" : "-", targeted ? (rate >= 100000 ? "pass" : "fail") : "-");
        // The processor time of this thread does not grow when other work shares the machine.
        std::printf("identification, %d keys: unmatched names a second of processor time\t%.0f\t-\t-\n",
                    int(inventory.size()), Entries / cpuSeconds);
        std::printf("identification, %d keys: peak memory (MB)\t%.1f\t-\t-\n", int(inventory.size()),
                    double(usage.ru_maxrss) / 1024.0);
    }
    return 0;
}
