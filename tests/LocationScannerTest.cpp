#include "scanner/LocationScanner.h"
#include "LogCapture.h"
#include "QtPrinters.h"
#include "TempTree.h"
#include "identification/AppIdentifierService.h"
#include "identification/OwnerIdentifier.h"
#include "platform/PosixPlatform.h"

#include <gtest/gtest.h>

#include <fcntl.h>
#include <unistd.h>

namespace {

struct LocationRun {
    std::vector<std::pair<int, int>> progress;
    std::vector<std::size_t> batches;
    std::vector<RemnantItemPtr> rest;
};

LocationRun scanFolder(const TempTree &tree, const char *folder)
{
    const PosixPlatform platform(tree.root(), tree.root());
    const OwnerIdentifier identifier(Inventory{}, platform);
    AppIdentifierService service;
    LocationRun run;
    const ScanLocation location{{tree.path(folder)}, RemnantCategory::caches, false};
    run.rest = LocationScanner::scanLocation(
        location, platform, identifier, service, 365,
        [&](int processed, int total) { run.progress.emplace_back(processed, total); },
        [&](const std::vector<RemnantItemPtr> &records) { run.batches.push_back(records.size()); });
    return run;
}

} // namespace

TEST(LocationScanner, DeliversBatchesOfFiftyAndProgressEveryTwentyFive)
{
    TempTree tree;
    for (int i = 0; i < 120; ++i)
        tree.writeFile("Caches/entry" + std::to_string(i), "x");
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
        tree.writeFile(std::string("Caches/") + name, "x");
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
    tree.writeFile("Caches/file.bin", std::string(1234, 'x'));
    tree.writeFile("Caches/folder/inside", std::string(5000, 'x'));
    tree.setTimes("Caches/file.bin", 1600000000, 1500000000);
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
    EXPECT_TRUE(scanFolder(tree, "Missing").rest.empty());
}

TEST(LocationScanner, AHundredThousandEntriesStreamInBatches)
{
    TempTree tree;
    tree.makeFolder("Caches");
    for (int i = 0; i < 100000; ++i) {
        const std::string path = tree.path("Caches").native() + "/com.google.entry" + std::to_string(i);
        const int fd = open(path.c_str(), O_CREAT | O_WRONLY, 0644);
        ASSERT_GE(fd, 0);
        close(fd);
    }
    const LogCapture quiet;
    const LocationRun run = scanFolder(tree, "Caches");
    EXPECT_EQ(run.batches, std::vector<std::size_t>(2000, 50));
    EXPECT_EQ(run.progress.size(), 4000U);
    EXPECT_EQ(run.progress.back(), (std::pair<int, int>{100000, 100000}));
    EXPECT_TRUE(run.rest.empty());
}
