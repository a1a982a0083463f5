// SPDX-FileCopyrightText: 2026 The Leftscan developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "demo/DemoHome.h"
#include "LogCapture.h"
#include "QtPrinters.h"
#include "TestProfiles.h"
#include "inventory/InstalledAppScanner.h"
#include "mac/MacProfile.h"
#include "model/Clock.h"
#include "model/SystemNames.h"
#include "platform/PosixPlatform.h"
#include "scanner/ScanLocation.h"

#include <gtest/gtest.h>

#include <memory>
#include <sys/stat.h>

namespace fs = std::filesystem;

namespace {

// The instant the shared demo is generated at, so that its dates can be checked to the day.
const QDateTime GeneratedAt = QDateTime(QDate(2031, 3, 15), QTime(12, 0), Qt::UTC);

class DemoHomeTest : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        const Clock::Override clock(GeneratedAt);
        s_demo = std::make_unique<DemoHome>();
    }
    static void TearDownTestSuite() { s_demo.reset(); }

    static const DemoHome &demo() { return *s_demo; }
    static PosixPlatform platform()
    {
        PosixPlatform platform(demo().root(), demo().home());
        grantFullDiskAccess(platform, demo().root());
        return platform;
    }

    static std::vector<ScanLocation> scanFolders() { return MacProfile::libraryLocations(platform()); }

    // The entries of the scan folders that a scan keeps: not hidden and not the system's own.
    static std::vector<fs::path> leftovers()
    {
        std::vector<fs::path> result;
        for (const ScanLocation &folder : scanFolders()) {
            const std::vector<DirectoryEntry> entries =
                platform().listDirectory(folder.path.url, Platform::Hidden::Skip).value();
            for (const DirectoryEntry &entry : entries) {
                if (!SystemNames::isSystemItem(QString::fromStdString(entry.path.filename().native())))
                    result.push_back(entry.path);
            }
        }
        return result;
    }

    // Every application bundle of the application folders, those in sub-folders included.
    static std::vector<fs::path> applicationBundles()
    {
        std::vector<fs::path> result;
        for (const fs::path &folder : {demo().root() / "Applications", demo().home() / "Applications"}) {
            platform().walkTree(folder, [&](const DirectoryEntry &entry) {
                if (entry.path.extension() == ".app")
                    result.push_back(entry.path);
            });
        }
        return result;
    }

    static qint64 daysBeforeGeneration(const fs::path &path)
    {
        const std::optional<QDateTime> accessed = platform().attributes(path).accessed;
        return accessed ? accessed->daysTo(GeneratedAt) : -1;
    }

    static inline std::unique_ptr<DemoHome> s_demo;
};

TEST_F(DemoHomeTest, FillsEveryScanLocationWithReadablePropertyLists)
{
    EXPECT_EQ(demo().home(), demo().root() / "Users/demo");
    for (const ScanLocation &folder : scanFolders())
        EXPECT_FALSE(platform()
                         .listDirectory(folder.path.url, Platform::Hidden::Skip)
                         .value_or(std::vector<DirectoryEntry>{})
                         .empty())
            << folder.path.url;
    // Launch jobs carry their Label; settings, binary and hidden ones included, read as dictionaries.
    for (const ScanLocation &folder : scanFolders()) {
        const bool settings = folder.category == RemnantCategory::preferences;
        if (!settings && folder.category != RemnantCategory::launchAgents &&
            folder.category != RemnantCategory::launchDaemons)
            continue;
        const std::vector<DirectoryEntry> entries =
            platform()
                .listDirectory(folder.path.url, settings ? Platform::Hidden::Include : Platform::Hidden::Skip)
                .value();
        for (const DirectoryEntry &entry : entries) {
            const auto list = platform().readPropertyList(entry.path);
            ASSERT_TRUE(list.has_value()) << entry.path;
            EXPECT_TRUE(settings ? list->isDictionary() : list->string("Label").has_value()) << entry.path;
        }
    }
}

TEST_F(DemoHomeTest, InventoryFindsTheReadableBundlesOfTheInstalledApplicationsAndNoneOfTheRemovedOnes)
{
    const LogCapture quiet;
    const PosixPlatform posix = platform();
    const Inventory inventory = InstalledAppScanner(posix).scanInstalledApps();

    const std::vector<fs::path> bundles = applicationBundles();
    ASSERT_FALSE(bundles.empty());
    for (const fs::path &bundle : bundles) {
        const std::optional<Bundle> opened = platform().openBundle(bundle);
        ASSERT_TRUE(opened && opened->info) << bundle;
        EXPECT_TRUE(inventory.contains(opened->identifier.value_or(QString()).toLower())) << bundle;
        EXPECT_TRUE(opened->info->string("CFBundleShortVersionString").has_value()) << bundle;
        EXPECT_TRUE(fs::is_regular_file(bundle / "Contents/MacOS" /
                                        opened->info->string("CFBundleExecutable").value_or("").toStdString()))
            << bundle;
    }
    // The other sources of the inventory.
    for (const char *key : {"receipt:us.zoom.pkg.videomeeting", "tool:kubectl", "brew:wget", "java", "keyword:jdk"})
        EXPECT_TRUE(inventory.contains(QString::fromUtf8(key))) << key;

    for (const char *key : {"com.skype.skype", "name:skype", "com.evernote.evernote", "com.getdropbox.dropbox",
                            "com.teamviewer.teamviewer", "com.bohemiancoding.sketch3", "com.google.chrome"})
        EXPECT_FALSE(inventory.contains(QString::fromUtf8(key))) << key;
}

TEST_F(DemoHomeTest, LeftoversAreDatedFromTodayToYearsAgoAndSmallOnDisk)
{
    qint64 bytes = 0;
    const std::vector<fs::path> entries = leftovers();
    ASSERT_FALSE(entries.empty());
    for (const fs::path &entry : entries) {
        const qint64 days = daysBeforeGeneration(entry);
        EXPECT_GE(days, 0) << entry;
        EXPECT_LE(days, 5 * 365) << entry;
        const std::optional<SizeMeasurement> size = platform().measureSize(entry, false, nullptr);
        ASSERT_TRUE(size) << entry;
        bytes += size->bytesOnDisk;
    }
    EXPECT_LT(bytes, 100000000);
    // A virtual machine disk: long, but small on disk.
    const fs::path disk = demo().home() / "Library/Containers/com.docker.docker/Data/vms/0/data/Docker.raw";
    EXPECT_GT(fs::file_size(disk), 60000000000u);
    const std::optional<SizeMeasurement> docker = platform().measureSize(disk, false, nullptr);
    ASSERT_TRUE(docker);
    EXPECT_LT(docker->bytesOnDisk, 10000000);

    // Data of an installed application is in use; that of one removed years ago is not, inside its folder
    // neither, and the folder keeps its own date although it was written into.
    const fs::path library = demo().home() / "Library";
    EXPECT_LE(daysBeforeGeneration(library / "Preferences/com.microsoft.VSCode.plist"), 1);
    EXPECT_LE(daysBeforeGeneration(library / "Application Support/Slack"), 2);
    EXPECT_GT(daysBeforeGeneration(library / "Preferences/com.skype.skype.plist"), 365);
    EXPECT_GT(daysBeforeGeneration(library / "Application Support/Skype"), 365);
    EXPECT_GT(daysBeforeGeneration(library / "Application Support/Skype/shared.xml"), 365);
    const auto skype = platform().attributes(library / "Application Support/Skype");
    ASSERT_TRUE(skype.modified.has_value());
    EXPECT_GT(skype.modified->daysTo(GeneratedAt), 365);
}

TEST(DemoHomeLifetimeTest, TwoDemosLiveSideBySideAndLeaveNothingBehind)
{
    fs::path secondRoot;
    {
        auto first = std::make_unique<DemoHome>();
        const DemoHome second;
        secondRoot = second.root();
        const fs::path firstRoot = first->root();
        EXPECT_NE(firstRoot, second.root());
        EXPECT_EQ(firstRoot.parent_path(), fs::temp_directory_path());
        EXPECT_TRUE(fs::exists(firstRoot / "Users/demo/Library/Preferences/com.microsoft.VSCode.plist"));

        // Taken permissions do not keep the tree alive.
        ASSERT_EQ(chmod((firstRoot / "Users/demo/Library/Application Support/Skype").c_str(), 0), 0);
        ASSERT_EQ(chmod((firstRoot / "Users/demo/Library/Caches").c_str(), 0555), 0);
        first.reset();
        EXPECT_FALSE(fs::exists(fs::symlink_status(firstRoot)));
        EXPECT_TRUE(fs::exists(second.home() / "Library/Preferences/com.microsoft.VSCode.plist"));
    }
    EXPECT_FALSE(fs::exists(fs::symlink_status(secondRoot)));
}

} // namespace
