// SPDX-FileCopyrightText: 2026 The Leftscan developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/FolderSizeMeter.h"
#include "TempTree.h"
#include "Unprivileged.h"
#include "platform/FileStatus.h"

#include <gtest/gtest.h>

#include <atomic>
#include <cstdio>
#include <fcntl.h>
#include <functional>
#include <sys/stat.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

constexpr long long Old = 1262304000; // 2010-01-01

qint64 allocated(const fs::path &path)
{
    struct stat info {};
    EXPECT_EQ(lstat(path.c_str(), &info), 0) << path;
    return qint64(info.st_blocks) * 512;
}

// What `du` finds for the same entry: allocated bytes, each file once, no links followed, one file system.
qint64 duBytes(const fs::path &entry)
{
    const std::string command = "du -s -x -B1 '" + entry.native() + "'";
    FILE *pipe = popen(command.c_str(), "r");
    if (!pipe)
        return -1;
    long long bytes = -1;
    if (std::fscanf(pipe, "%lld", &bytes) != 1)
        bytes = -1;
    pclose(pipe);
    return bytes;
}

// A file of `size` bytes of which only `written` bytes at its start hold data; the rest is a hole.
void writeSparse(const fs::path &path, off_t size, std::size_t written)
{
    fs::create_directories(path.parent_path());
    const int fd = open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    ASSERT_GE(fd, 0);
    const std::string data(written, 'x');
    ASSERT_EQ(write(fd, data.data(), data.size()), ssize_t(data.size()));
    ASSERT_EQ(ftruncate(fd, size), 0);
    close(fd);
}

long long accessSeconds(const fs::path &path)
{
    struct stat info {};
    lstat(path.c_str(), &info);
    return FileStatus::accessTime(info).tv_sec;
}

// A meter that lets a test act on the tree while the walk goes on.
class SteppedMeter : public FolderSizeMeter {
public:
    using FolderSizeMeter::FolderSizeMeter;
    std::function<void(int parent, const char *name)> onFolder;

protected:
    void enteringFolder(int parent, const char *name) override
    {
        if (onFolder)
            onFolder(parent, name);
    }
};

} // namespace

TEST(FolderSizeMeter, CountsAllocatedBlocksOnceWithoutFollowingLinksOrChangingAccessDates)
{
    TempTree tree;
    const fs::path entry = tree.makeFolder("Caches/com.example.app");
    tree.writeFile("Caches/com.example.app/data/a.bin", std::string(40000, 'a'));
    tree.writeFile("Caches/com.example.app/data/deep/b.bin", std::string(9000, 'b'));
    writeSparse(entry / "disk.img", off_t(1) << 30, 8192);
    fs::create_hard_link(entry / "data/a.bin", entry / "data/a-again.bin");
    fs::create_hard_link(entry / "data/a.bin", entry / "data/deep/a-third.bin");
    tree.writeFile("Elsewhere/large.bin", std::string(2 << 20, 'L'));
    tree.makeSymlink("Caches/com.example.app/large-link", "../../Elsewhere/large.bin");
    tree.makeSymlink("Caches/com.example.app/folder-link", "../../Elsewhere");
    tree.makeSymlink("Caches/link-entry", "../Elsewhere/large.bin");
    tree.writeFile("Caches/plain.plist", std::string(5000, 'p'));
    const std::vector<std::string> folders{"Caches/com.example.app", "Caches/com.example.app/data",
                                           "Caches/com.example.app/data/deep"};
    for (const std::string &folder : folders)
        tree.setTimes(folder, Old, Old);

    FolderSizeMeter meter;
    const auto folder = meter.measure(entry);
    ASSERT_TRUE(folder);
    // Measuring leaves the access dates as they were (du, below, does not).
    for (const std::string &name : folders)
        EXPECT_EQ(accessSeconds(tree.path(name)), Old) << name;
    // a.bin once, b.bin, the sparse image, two links: five files in all.
    EXPECT_EQ(folder->fileCount, 5);
    EXPECT_FALSE(folder->isPartial());
    EXPECT_EQ(folder->bytesOnDisk, duBytes(entry));
    EXPECT_LT(folder->bytesOnDisk, 1 << 20); // neither the hole nor the linked large file
    EXPECT_GE(folder->bytesOnDisk, allocated(entry / "data/a.bin") + allocated(entry / "disk.img"));

    const struct {
        const char *entry;
        qint64 files;
    } files[] = {{"Caches/link-entry", 1}, {"Caches/plain.plist", 1}, {"Caches/missing", 0}};
    for (const auto &file : files) {
        const auto measured = meter.measure(tree.path(file.entry));
        ASSERT_TRUE(measured) << file.entry;
        EXPECT_EQ(measured->fileCount, file.files) << file.entry;
        EXPECT_EQ(measured->bytesOnDisk, file.files ? allocated(tree.path(file.entry)) : 0) << file.entry;
        EXPECT_FALSE(measured->isPartial()) << file.entry;
    }
}

TEST(FolderSizeMeter, UnreadableFoldersMakeTheFigureALowerBound)
{
    TempTree tree;
    const fs::path entry = tree.makeFolder("Logs/qqvv");
    tree.writeFile("Logs/qqvv/open/today.log", std::string(20000, 'l'));
    tree.writeFile("Logs/qqvv/locked/secret.log", std::string(20000, 's'));
    fs::permissions(tree.root(), fs::perms(0755));
    chmod(tree.path("Logs/qqvv/locked").c_str(), 0);

    const auto result = runUnprivileged([&] {
        const auto measured = FolderSizeMeter().measure(entry);
        return measured ? std::to_string(measured->fileCount) + " files, " +
                              std::to_string(measured->unreadableFolders) + " unreadable"
                        : std::string("cancelled");
    });
    ASSERT_TRUE(result);
    EXPECT_EQ(*result, "1 files, 1 unreadable");
}

TEST(FolderSizeMeter, AFolderThatDisappearsIsNotAGapAndCancellingStopsTheWalk)
{
    TempTree tree;
    const fs::path entry = tree.makeFolder("Support/qqvv");
    for (const char *folder : {"a", "b", "gone", "c"})
        tree.writeFile("Support/qqvv/" + std::string(folder) + "/file", std::string(3000, 'f'));
    tree.makeFolder("Outside");

    SteppedMeter vanishing;
    vanishing.onFolder = [&](int parent, const char *name) {
        if (std::string_view(name) == "gone") {
            ASSERT_EQ(renameat(parent, name, AT_FDCWD, tree.path("Outside/gone").c_str()), 0);
        }
    };
    const auto measured = vanishing.measure(entry);
    ASSERT_TRUE(measured);
    EXPECT_EQ(measured->fileCount, 3);
    EXPECT_FALSE(measured->isPartial());

    std::atomic<bool> cancelled = false;
    int entered = 0;
    SteppedMeter cancelling(&cancelled);
    cancelling.onFolder = [&](int, const char *) {
        if (++entered == 2)
            cancelled = true;
    };
    EXPECT_FALSE(cancelling.measure(entry));
    EXPECT_EQ(entered, 2);
}
