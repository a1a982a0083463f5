// SPDX-FileCopyrightText: 2026 The Leftscan developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "scanner/LocationScanner.h"
#include "QtPrinters.h"
#include "ReasonText.h"
#include "TempTree.h"
#include "TestProfiles.h"
#include "Unprivileged.h"
#include "identification/AppIdentifierService.h"
#include "identification/OwnerIdentifier.h"
#include "mac/MacOwnerResolver.h"
#include "mac/MacProfile.h"
#include "platform/PathNames.h"
#include "platform/PosixPlatform.h"
#include "scanner/RemovalGuard.h"
#include "ui/ScanWarningText.h"

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

struct LocationRun {
    std::vector<std::pair<int, int>> progress;
    std::vector<std::size_t> batches;
    std::vector<RemnantItemPtr> rest;
    std::optional<QString> warning;
};

// Lists the folder of that name in the tree's Library, with the tree as the root and home/ as the home.
LocationRun scanFolder(const TempTree &tree, const std::string &folder)
{
    const PosixPlatform platform(tree.root(), tree.path("home"));
    const MacProfile profile = macProfileOver(platform);
    const MacOwnerResolver resolver(Inventory{}, platform, std::make_shared<AppIdentifierService>());
    LocationRun run;
    const ScanLocation location{{tree.path("Library/" + folder)}, RemnantCategory::caches, false};
    LocationScanner::Result result = LocationScanner::scanLocation(
        location, platform, profile, resolver, 365,
        [&](int processed, int total) { run.progress.emplace_back(processed, total); },
        [&](const std::vector<RemnantItemPtr> &records) { run.batches.push_back(records.size()); });
    run.rest = std::move(result.rest);
    if (result.warning)
        run.warning = ScanWarningText::text(*result.warning);
    return run;
}

} // namespace

TEST(LocationScanner, DeliversBatchesOfFiftyAndProgressEveryTwentyFive)
{
    TempTree tree;
    for (int i = 0; i < 120; ++i)
        tree.writeFile("Library/Caches/entry" + std::to_string(i), "x");
    const LocationRun run = scanFolder(tree, "Caches");
    EXPECT_EQ(run.progress,
              (std::vector<std::pair<int, int>>{{25, 120}, {50, 120}, {75, 120}, {100, 120}, {120, 120}}));
    EXPECT_EQ(run.batches, (std::vector<std::size_t>{50, 50}));
    EXPECT_EQ(run.rest.size(), 20U);
}

TEST(LocationScanner, SkipsSystemAndHiddenEntriesWithoutCountingThem)
{
    TempTree tree;
    for (const char *name :
         {"com.apple.Safari.plist", "COM.APPLE.finder", "Apple", "safari", ".DS_Store", "Safari Extensions", "zzqx"})
        tree.writeFile(std::string("Library/Caches/") + name, "x");
    const LocationRun run = scanFolder(tree, "Caches");
    // Seven listed, six counted as total (the hidden one is never listed), two kept: no progress call at all.
    EXPECT_TRUE(run.progress.empty());
    EXPECT_TRUE(run.batches.empty());
    ASSERT_EQ(run.rest.size(), 2U);
    QStringList names;
    for (const RemnantItemPtr &item : run.rest)
        names.append(QString::fromStdString(item->url().filename().native()));
    names.sort();
    EXPECT_EQ(names, (QStringList{QStringLiteral("Safari Extensions"), QStringLiteral("zzqx")}));
}

TEST(LocationScanner, RecordsCarrySizesDatesAndCategory)
{
    TempTree tree;
    tree.writeFile("Library/Caches/file.bin", std::string(1234, 'x'));
    tree.writeFile("Library/Caches/folder/inside", std::string(5000, 'x'));
    tree.setTimes("Library/Caches/file.bin", 1600000000, 1500000000);
    const LocationRun run = scanFolder(tree, "Caches");
    ASSERT_EQ(run.rest.size(), 2U);
    for (const RemnantItemPtr &item : run.rest) {
        EXPECT_EQ(item->category(), RemnantCategory::caches);
        if (item->url().filename() == "file.bin") {
            EXPECT_EQ(item->fileSize(), 1234);
            EXPECT_EQ(item->lastModified()->toSecsSinceEpoch(), 1500000000);
            EXPECT_EQ(item->lastUsed()->toSecsSinceEpoch(), 1600000000);
            EXPECT_EQ(item->status(), RemnantStatus::orphan);
            EXPECT_EQ(item->risk(), RemnantRisk::review);
        } else {
            EXPECT_EQ(item->fileSize(), 0); // a folder's own size, not its contents
        }
        EXPECT_FALSE(item->lastOpened());
    }
}

TEST(LocationScanner, AFolderThatIsALinkOrLiesOutsideItsLibraryIsNotListedButNamedInAWarning)
{
    struct Case {
        const char *what;
        // What the tree holds: "PATH" a file, "PATH/" a folder, "PATH -> TARGET" a symbolic link.
        std::vector<std::string> entries;
        QString warning; // after "FOLDER was not scanned: "; empty: none
        std::size_t records;
    };
    const QString link = QStringLiteral("it is a symbolic link");
    const std::vector<Case> cases = {
        {"a link to the Library's parent",
         {"home/Documents/precious.txt", "Library/Logs/qqvv.log", "Library/Caches -> .."},
         link,
         0},
        {"a link to a folder inside the Library", {"Library/Real/qqvv", "Library/Caches -> Real"}, link, 0},
        {"a dangling link", {"Library/", "Library/Caches -> nowhere"}, link, 0},
        {"a file", {"Library/Caches"}, QStringLiteral("it cannot be listed"), 0},
        {"nothing", {"Library/"}, QString(), 0},
        {"a Library that is a link to a folder elsewhere",
         {"volume/Library/Caches/qqvv", "Library -> volume/Library"},
         QString(),
         1},
        {"a Library that resolves to the root",
         {"Caches/qqvv", "Library -> ."},
         QStringLiteral("its Library folder %1/Library resolves to %1, which holds the root folder"),
         0},
        {"a Library that resolves to the home",
         {"home/Caches/qqvv", "Library -> home"},
         QStringLiteral("its Library folder %1/Library resolves to %1/home, which holds the home folder"),
         0},
    };
    for (const Case &test : cases) {
        TempTree tree;
        for (const std::string &entry : test.entries) {
            if (const std::size_t arrow = entry.find(" -> "); arrow != std::string::npos)
                tree.makeSymlink(entry.substr(0, arrow), entry.substr(arrow + 4));
            else if (entry.ends_with('/'))
                tree.makeFolder(entry);
            else
                tree.writeFile(entry, "x");
        }
        const QString root = QString::fromStdString(fs::canonical(tree.root()).native());
        const LocationRun run = scanFolder(tree, "Caches");
        EXPECT_EQ(run.rest.size(), test.records) << test.what;
        if (test.warning.isEmpty()) {
            EXPECT_EQ(run.warning, std::nullopt) << test.what;
        } else {
            EXPECT_EQ(run.warning, QString::fromStdString(tree.path("Library/Caches").native()) +
                                       QStringLiteral(" was not scanned: ") + test.warning.arg(root))
                << test.what;
        }
        EXPECT_TRUE(run.progress.empty() || test.records > 0) << test.what;
    }
}

TEST(LocationScanner, AFolderThatCannotBeListedIsNamedInAWarning)
{
    TempTree tree;
    tree.writeFile("Library/Caches/qqvv");
    fs::permissions(tree.root(), fs::perms(0755));
    chmod(tree.path("Library/Caches").c_str(), 0300);
    const auto warning =
        runUnprivileged([&] { return scanFolder(tree, "Caches").warning.value_or("none").toStdString(); });
    ASSERT_TRUE(warning);
    EXPECT_EQ(*warning, tree.path("Library/Caches").native() + " was not scanned: it cannot be listed");
}

TEST(LocationScanner, ALibraryLinkedOutOfItsRootOrHomeIsNotListedAndNothingInItMayBeTrashed)
{
    TempTree outside;
    outside.writeFile("LaunchDaemons/com.qqvv.daemon.plist", TempTree::launchJob("com.qqvv.daemon"));
    outside.writeFile("Preferences/com.qqvv.prefs.plist", "x");
    const QString elsewhere = QString::fromStdString(fs::canonical(outside.root()).native());
    for (const char *library : {"Library", "Users/me/Library"}) {
        TempTree tree;
        tree.makeFolder("Users/me/Library");
        fs::remove(tree.path(library));
        tree.makeSymlink(library, outside.root().native());
        const PosixPlatform platform(tree.root(), tree.path("Users/me"));
        const MacProfile profile = macProfileOver(platform);
        const MacOwnerResolver resolver(Inventory{}, platform, std::make_shared<AppIdentifierService>());
        const QString holder = QString::fromStdString(tree.path(library).parent_path().native());
        const QString reason = QStringLiteral(" was not scanned: its Library folder %1/Library resolves to %2, which "
                                              "is not inside %1")
                                   .arg(holder, elsewhere);
        // Of the folders there, LaunchDaemons in the root's Library and Preferences in the home's.
        QStringList warnings;
        for (const ScanLocation &location : MacProfile::libraryLocations(platform)) {
            const auto result = LocationScanner::scanLocation(
                location, platform, profile, resolver, 365, [](int, int) {},
                [](const std::vector<RemnantItemPtr> &) {});
            EXPECT_TRUE(result.rest.empty()) << location.path.url;
            if (result.warning)
                warnings.append(ScanWarningText::text(*result.warning));
        }
        const std::string folder = std::string_view(library) == "Library" ? "LaunchDaemons" : "Preferences";
        EXPECT_EQ(warnings, QStringList{PathNames::text(tree.path(library) / folder) + reason});
        const RemovalGuard guard(platform, profile, {});
        for (const char *entry : {"LaunchDaemons/com.qqvv.daemon.plist", "Preferences/com.qqvv.prefs.plist"}) {
            EXPECT_EQ(reasonText(guard.refusal(tree.path(library) / entry)),
                      QStringLiteral("It is not in a Library folder that a scan lists"))
                << library << " " << entry;
        }
    }
}

TEST(LocationScanner, EntriesOfAnotherUserGetTheSameStatusOnEveryScan)
{
    // The scan reads a property list's Label and lists a folder to measure it; as somebody other than their owner
    // it cannot keep their access dates, so those must not count.
    TempTree tree;
    tree.writeFile("Library/Caches/com.qqvv.agent.plist", TempTree::launchJob("com.qqvv.agent"));
    tree.writeFile("Library/Caches/qqvv-folder/data", "x");
    tree.writeFile("Library/Caches/com.qqvv.own.plist", TempTree::launchJob("com.qqvv.own"));
    ASSERT_EQ(lchown(tree.path("Library/Caches/com.qqvv.own.plist").c_str(), UnprivilegedUser, UnprivilegedUser), 0);
    const long long twoYearsAgo = time(nullptr) - 2 * 365 * 86400;
    for (const char *entry : {"com.qqvv.agent.plist", "qqvv-folder", "com.qqvv.own.plist"})
        tree.setTimes(std::string("Library/Caches/") + entry, twoYearsAgo, twoYearsAgo - 100);
    fs::permissions(tree.root(), fs::perms(0755));

    const auto scans = runUnprivileged([&] {
        const PosixPlatform platform(tree.root(), tree.path("home"));
        std::string lines;
        for (int scan = 0; scan < 2; ++scan) {
            for (const RemnantItemPtr &item : scanFolder(tree, "Caches").rest) {
                platform.measureSize(item->url(), false, nullptr);
                lines += item->url().filename().native() + " " + std::to_string(int(item->status())) +
                         (item->lastUsed() ? " dated\n" : " undated\n");
            }
        }
        return lines;
    });
    ASSERT_TRUE(scans);
    const std::string orphan = std::to_string(int(RemnantStatus::orphan));
    const std::string once = "com.qqvv.agent.plist " + orphan + " undated\ncom.qqvv.own.plist " + orphan +
                             " dated\nqqvv-folder " + orphan + " undated\n";
    EXPECT_EQ(*scans, once + once);
}
