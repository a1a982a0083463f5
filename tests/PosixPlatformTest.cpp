// SPDX-FileCopyrightText: 2026 The Leftscan developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/PosixPlatform.h"
#include "OpenWatch.h"
#include "QtPrinters.h"
#include "RunningBundle.h"
#include "TempTree.h"
#include "platform/FileStatus.h"
#include "platform/PathNames.h"
#include "platform/UntouchedFile.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <ctime>
#include <set>
#include <sys/stat.h>

namespace fs = std::filesystem;

namespace {

std::set<std::string> names(const std::vector<DirectoryEntry> &entries)
{
    std::set<std::string> result;
    for (const DirectoryEntry &entry : entries)
        result.insert(entry.path.filename().native());
    return result;
}

std::set<std::string> walked(const Platform &platform, const fs::path &folder)
{
    std::set<std::string> result;
    platform.walkTree(
        folder, [&](const DirectoryEntry &entry) { result.insert(entry.path.lexically_relative(folder).native()); });
    return result;
}

timespec accessTime(const fs::path &path)
{
    struct stat info {};
    stat(path.c_str(), &info);
    return FileStatus::accessTime(info);
}

} // namespace

TEST(PosixPlatform, ListingKeepsTheExactBytesOfEveryNameAndSkipsHiddenOnesOnRequest)
{
    TempTree tree;
    const std::vector<std::string> odd = {"plain",       "quote's \"double\"", "new\nline", "bad\xff\xfe utf8",
                                          "back\\slash", std::string(255, 'n')};
    for (const std::string &name : odd)
        tree.writeFile("folder/" + name, "x");
    tree.writeFile("folder/.DS_Store");
    tree.makeFolder("folder/sub");
    tree.makeSymlink("folder/link", "sub");
    const PosixPlatform platform(tree.root(), tree.path("home"));

    const auto visible = platform.listDirectory(tree.path("folder"), Platform::Hidden::Skip);
    ASSERT_TRUE(visible);
    std::set<std::string> expected(odd.begin(), odd.end());
    expected.insert({"sub", "link"});
    EXPECT_EQ(names(*visible), expected);
    for (const DirectoryEntry &entry : *visible) {
        EXPECT_TRUE(platform.exists(entry.path)) << entry.path;
        EXPECT_EQ(entry.isDirectory, entry.path.filename() == "sub");
        EXPECT_EQ(entry.isSymbolicLink, entry.path.filename() == "link");
    }
    const auto all = platform.listDirectory(tree.path("folder"), Platform::Hidden::Include);
    ASSERT_TRUE(all);
    EXPECT_EQ(all->size(), visible->size() + 1);

    EXPECT_FALSE(platform.listDirectory(tree.path("missing"), Platform::Hidden::Skip));
    EXPECT_FALSE(platform.listDirectory(tree.path("folder/plain"), Platform::Hidden::Skip));
    EXPECT_EQ(PathNames::fileName(tree.path("folder/bad\xff\xfe utf8")), QString::fromUtf8("bad\xff\xfe utf8"));
}

TEST(PosixPlatform, TreeWalkNeverEntersPackagesFollowsNoLinksAndSkipsHiddenItems)
{
    TempTree tree;
    tree.makeBundle("Apps/Top.app", "com.example.top");
    tree.makeBundle("Apps/Vendor/Deep/Nested.app", "com.example.nested");
    tree.makeBundle("Apps/Top.app/Contents/Helpers/Inner.app", "com.example.inner");
    tree.makeFolder("Apps/Kit.framework/Versions/A");
    tree.makeBundle("Apps/.hidden/Secret.app", "com.example.secret");
    tree.makeSymlink("Apps/Vendor/Loop", "..");
    tree.makeSymlink("Apps/Vendor/Self", "Self");
    tree.makeSymlink("Apps/Broken.app", "nowhere");
    tree.makeSymlink("Apps/Linked.app", "Top.app");
    const PosixPlatform platform(tree.root(), tree.root());

    EXPECT_EQ(walked(platform, tree.path("Apps")),
              (std::set<std::string>{"Top.app", "Vendor", "Vendor/Deep", "Vendor/Deep/Nested.app", "Vendor/Loop",
                                     "Vendor/Self", "Kit.framework", "Broken.app", "Linked.app"}));
    EXPECT_TRUE(walked(platform, tree.path("missing")).empty());
}

TEST(PosixPlatform, ReadingAPropertyListLeavesItsAccessDateAlone)
{
    TempTree tree;
    tree.writeFile("Library/Preferences/com.example.old.plist", TempTree::infoPlist("com.example.old").xml());
    const long long twoYearsAgo = time(nullptr) - 2 * 365 * 86400;
    tree.setTimes("Library/Preferences/com.example.old.plist", twoYearsAgo, twoYearsAgo - 100);
    const PosixPlatform platform(tree.root(), tree.root());

    const auto list = platform.readPropertyList(tree.path("Library/Preferences/com.example.old.plist"));
    ASSERT_TRUE(list);
    EXPECT_EQ(list->string("CFBundleIdentifier"), QStringLiteral("com.example.old"));
    EXPECT_EQ(accessTime(tree.path("Library/Preferences/com.example.old.plist")).tv_sec, twoYearsAgo);
}

TEST(PosixPlatform, NothingButARegularFileIsOpenedForItsContentWhateverLinksLeadThere)
{
    TempTree tree;
    ASSERT_EQ(mkfifo(tree.path("pipe").c_str(), 0600), 0);
    // A node for the null device, where the system lets this user make one.
    struct stat null {};
    const bool device =
        stat("/dev/null", &null) == 0 && mknod(tree.path("device").c_str(), S_IFCHR | 0600, null.st_rdev) == 0;
    tree.writeFile("real.plist", TempTree::launchJob("com.example.real"));
    tree.makeSymlink("Folder/Info.plist", "../real.plist");
    const PosixPlatform platform(tree.root(), tree.root());

    for (const char *special : {"pipe", "device"}) {
        if (std::string_view(special) == "device" && !device)
            continue;
        const std::string link = std::string("Links/") + special + ".plist";
        tree.makeSymlink(link, std::string("../") + special);
        const OpenWatch watch(tree.path(special));
        EXPECT_FALSE(platform.readPropertyList(tree.path(special))) << special;
        EXPECT_FALSE(platform.readPropertyList(tree.path(link))) << special;
        EXPECT_FALSE(UntouchedFile::read(tree.path(link), 1024)) << special;
        EXPECT_NE(watch.opened(), std::optional<bool>(true)) << special;
    }
    EXPECT_FALSE(platform.readPropertyList(tree.path("Folder")));
    const auto linked = platform.readPropertyList(tree.path("Folder/Info.plist"));
    ASSERT_TRUE(linked);
    EXPECT_EQ(linked->string("Label"), QStringLiteral("com.example.real"));
}

TEST(PosixPlatform, RunningApplicationsAreTheProcessesOfBundlesBelowTheRoot)
{
    TempTree tree;
    tree.makeBundle("Applications/Sleepy.app", TempTree::infoPlist("com.example.sleepy")
                                                   .setString("CFBundleName", "Sleepy Name")
                                                   .setString("CFBundleDisplayName", "Sleepy Display"));
    tree.makeBundle("Applications/Plain Tool.app", "com.example.plain");
    tree.makeBundle("Applications/NoId.app", "");
    const RunningBundle sleepy(tree.path("Applications/Sleepy.app/Contents/MacOS/Sleepy"));
    const RunningBundle plain(tree.path("Applications/Plain Tool.app/Contents/MacOS/plain"));
    const RunningBundle noId(tree.path("Applications/NoId.app/Contents/MacOS/noid"));
    const RunningBundle loose(tree.path("bin/loose"));
    ASSERT_TRUE(sleepy.started() && plain.started() && noId.started() && loose.started());

    const PosixPlatform platform(tree.root(), tree.root());
    std::vector<RunningApplication> found = platform.runningApplications();
    std::sort(found.begin(), found.end(),
              [](const RunningApplication &a, const RunningApplication &b) { return a.bundlePath < b.bundlePath; });
    ASSERT_EQ(found.size(), 3U);
    EXPECT_EQ(found[0].bundlePath, tree.path("Applications/NoId.app"));
    EXPECT_FALSE(found[0].bundleIdentifier);
    EXPECT_EQ(found[0].localizedName, QStringLiteral("NoId"));
    EXPECT_EQ(found[1].bundlePath, tree.path("Applications/Plain Tool.app"));
    EXPECT_EQ(found[1].bundleIdentifier, QStringLiteral("com.example.plain"));
    EXPECT_EQ(found[1].localizedName, QStringLiteral("Plain Tool"));
    EXPECT_EQ(found[2].bundleIdentifier, QStringLiteral("com.example.sleepy"));
    EXPECT_EQ(found[2].localizedName, QStringLiteral("Sleepy Display"));

    // A root elsewhere sees none of them.
    TempTree other;
    EXPECT_TRUE(PosixPlatform(other.root(), other.root()).runningApplications().empty());
}
