// SPDX-FileCopyrightText: 2026 The Leftscan developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The inventory and the location listings give the same results, in the same order and with the same log, whether
// one thread or several read the bundles and identify the entries; checked on a generated Mac and on a Linux home.
#include "LogCapture.h"
#include "MacTreeGenerator.h"
#include "QtPrinters.h"
#include "TempTree.h"
#include "TestProfiles.h"
#include "identification/AppIdentifierService.h"
#include "identification/OwnerIdentifier.h"
#include "inventory/InstalledAppScanner.h"
#include "linuxdesktop/LinuxProfile.h"
#include "mac/MacOwnerResolver.h"
#include "mac/MacProfile.h"
#include "model/Clock.h"
#include "platform/PosixPlatform.h"
#include "scanner/LocationScanner.h"
#include "scanner/ScanLocation.h"
#include "ui/EvidenceText.h"
#include "ui/ScanWarningText.h"

#include <gtest/gtest.h>

namespace {

struct InventoryRun {
    QStringList entries;
    QStringList log;
};

InventoryRun inventoryWith(const PosixPlatform &platform, int workers)
{
    const LogCapture log;
    InstalledAppScanner scanner(platform);
    scanner.setWorkers(workers);
    const Inventory inventory = scanner.scanInstalledApps();
    InventoryRun run;
    for (auto it = inventory.cbegin(); it != inventory.cend(); ++it)
        run.entries.append(it.key() + u'|' + it->name + u'|' + it->bundleID + u'|' + QString::fromUtf8(it->url) + u'|' +
                           it->version.value_or(QStringLiteral("-")));
    run.log = log.lines();
    return run;
}

QString described(const RemnantItem &item)
{
    auto date = [](const std::optional<QDateTime> &value) {
        return value ? value->toString(Qt::ISODateWithMs) : QStringLiteral("-");
    };
    return QStringList{QString::fromStdString(item.urlBytes()),
                       QString::number(int(item.category())),
                       QString::number(int(item.status())),
                       QString::number(int(item.risk())),
                       item.bundleIdentifier().value_or(QStringLiteral("-")),
                       item.matchedAppName().value_or(QStringLiteral("-")),
                       QString::number(item.fileSize()),
                       date(item.lastModified()),
                       date(item.lastOpened()),
                       date(item.lastUsed()),
                       date(item.creationDate()),
                       EvidenceText::text(item.evidence())}
        .join(u'|');
}

// Every location listed in turn, with every record, batch, progress call and log line in the order they came.
QStringList locationsWith(const PosixPlatform &platform, const Inventory &inventory, int workers)
{
    const LogCapture log;
    const MacProfile profile = macProfileOver(platform);
    const MacOwnerResolver resolver(inventory, platform, std::make_shared<AppIdentifierService>());
    QStringList events;
    for (const ScanLocation &location : MacProfile::libraryLocations(platform)) {
        LocationScanner::Result result = LocationScanner::scanLocation(
            location, platform, profile, resolver, 365,
            [&](int processed, int total) {
                events.append(QStringLiteral("progress %1/%2").arg(processed).arg(total));
            },
            [&](const std::vector<RemnantItemPtr> &records) {
                events.append(QStringLiteral("batch of %1").arg(records.size()));
                for (const RemnantItemPtr &record : records)
                    events.append(described(*record));
            },
            nullptr, workers);
        for (const RemnantItemPtr &record : result.rest)
            events.append(described(*record));
        events.append(result.warning ? ScanWarningText::text(*result.warning) : QStringLiteral("no warning"));
    }
    return events + log.lines();
}

// The same for a Linux home, whose entries are told by their names.
QStringList linuxLocationsWith(const PosixPlatform &platform, int workers)
{
    const LinuxProfile profile(std::shared_ptr<const Platform>(&platform, [](const Platform *) {}));
    const std::shared_ptr<const OwnerResolver> resolver = profile.prepareResolver(nullptr);
    QStringList events;
    for (const ScanLocation &location : profile.scanLocations()) {
        LocationScanner::Result result = LocationScanner::scanLocation(
            location, platform, profile, *resolver, 365, [](int, int) {},
            [&](const std::vector<RemnantItemPtr> &records) {
                for (const RemnantItemPtr &record : records)
                    events.append(described(*record) + u'|' + record->lookalikes().join(u','));
            },
            nullptr, workers);
        for (const RemnantItemPtr &record : result.rest)
            events.append(described(*record) + u'|' + record->lookalikes().join(u','));
    }
    return events;
}

} // namespace

TEST(ParallelScan, SeveralThreadsGiveTheLinuxRecordsOfOne)
{
    TempTree tree;
    tree.writeFile("var/lib/dpkg/status", "Package: vim\nStatus: install ok installed\n\n"
                                          "Package: libgegl-0.4-0\nStatus: install ok installed\n");
    // Installed programs' entries, removed ones', and entries that the desktop's patterns match, in one folder.
    const char *forms[] = {".qqapp%1rc", ".vim-extra%1", ".xsession-errors.%1", ".gegl-%1.0"};
    for (int i = 0; i < 2 * LocationScanner::ChunkSize + 50; ++i)
        tree.writeFile("home/me/" + QString::fromUtf8(forms[i % 4]).arg(i).toStdString(), "x\n");
    for (const char *entry : {".vimrc", ".config/gegl-0.4", ".cache/babl", ".local/share/gnome-shell"})
        tree.makeFolder(std::string("home/me/") + entry);
    const PosixPlatform platform(tree.root(), tree.path("home/me"));
    const Clock::Override clock(QDateTime::currentDateTimeUtc());
    const QStringList serial = linuxLocationsWith(platform, 1);
    ASSERT_GT(serial.size(), LocationScanner::ChunkSize);
    EXPECT_TRUE(serial.filter(QStringLiteral("xsession-errors")).isEmpty());
    EXPECT_EQ(linuxLocationsWith(platform, 3), serial);
}

TEST(ParallelScan, SeveralThreadsGiveTheInventoryAndRecordsOfOne)
{
    TempTree tree;
    MacTreeGenerator::Options options;
    options.outputDirectory = tree.path("mac").native();
    options.appCount = 150;
    options.libraryEntryCount = 2 * LocationScanner::ChunkSize + 1500;
    options.threadCount = 2;
    MacTreeGenerator(options).generate();
    const PosixPlatform platform(tree.path("mac"), tree.path("mac/Users/bench"));
    const Clock::Override clock(QDateTime::currentDateTimeUtc());

    const InventoryRun serialInventory = inventoryWith(platform, 1);
    ASSERT_GT(serialInventory.entries.size(), 1000);
    const InventoryRun parallelInventory = inventoryWith(platform, 3);
    EXPECT_EQ(parallelInventory.entries, serialInventory.entries);
    EXPECT_EQ(parallelInventory.log, serialInventory.log);

    const Inventory inventory = InstalledAppScanner(platform).scanInstalledApps();
    const QStringList serial = locationsWith(platform, inventory, 1);
    ASSERT_GT(serial.size(), 1500);
    EXPECT_TRUE(serial.filter(QStringLiteral("Enhanced identification")).size() > 10);
    EXPECT_EQ(locationsWith(platform, inventory, 3), serial);
}
