#include "QtPrinters.h"
#include "TempTree.h"
#include "TrashInspection.h"
#include "Unprivileged.h"
#include "platform/FreedesktopTrash.h"
#include "platform/TrashInfo.h"

#include <gtest/gtest.h>

#include <fcntl.h>
#include <fstream>
#include <functional>
#include <sys/stat.h>
#include <sys/xattr.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

// What must survive a trip to the Trash and back.
struct Snapshot {
    std::string contents;
    mode_t mode = 0;
    long long modifiedSeconds = 0;
    long nanoseconds = 0;
    std::string attribute;

    bool operator==(const Snapshot &) const = default;
};

Snapshot snapshotOf(const fs::path &path)
{
    Snapshot snapshot;
    struct stat info {};
    lstat(path.c_str(), &info);
    snapshot.mode = info.st_mode;
    snapshot.modifiedSeconds = info.st_mtim.tv_sec;
    snapshot.nanoseconds = info.st_mtim.tv_nsec;
    if (S_ISREG(info.st_mode))
        snapshot.contents = TempTree::readFile(path);
    char value[64] = {};
    const ssize_t length = lgetxattr(path.c_str(), "user.leftscan.test", value, sizeof value);
    if (length > 0)
        snapshot.attribute.assign(value, std::size_t(length));
    return snapshot;
}

// Gives the item a mode, a modification date with nanoseconds and a user attribute where the file system keeps
// them.
void decorate(const fs::path &path, mode_t mode)
{
    chmod(path.c_str(), mode);
    lsetxattr(path.c_str(), "user.leftscan.test", "kept", 4, 0);
    const timespec times[2] = {{1500000000, 0}, {1400000000, 123456789}};
    utimensat(AT_FDCWD, path.c_str(), times, AT_SYMLINK_NOFOLLOW);
}

fs::path infoFileOf(const fs::path &trashedPath)
{
    return trashedPath.parent_path().parent_path() / "info" / (trashedPath.filename().native() + ".trashinfo");
}

void writeInfo(const fs::path &trashedPath, const std::string &recorded, const std::string &date)
{
    std::ofstream(infoFileOf(trashedPath), std::ios::binary | std::ios::trunc) << TrashInfo{recorded, date}.text();
}

class TrashRestoreTest : public ::testing::Test {
protected:
    fs::path trashFolder() const { return m_tree.path("home/.local/share/Trash"); }
    FreedesktopTrash trash() const { return FreedesktopTrash(trashFolder()); }

    // Moves the item to the Trash and returns where it went.
    fs::path trashed(const fs::path &item) const
    {
        const TrashOutcome outcome = trash().moveToTrash(item);
        EXPECT_TRUE(outcome.success) << outcome.errorDescription.toStdString();
        return outcome.trashedPath;
    }

    static RestoreOutcome restore(const fs::path &trashedPath, const fs::path &original)
    {
        const auto holder = FreedesktopTrash::holding(trashedPath);
        EXPECT_TRUE(holder);
        return holder ? holder->restore(trashedPath, original) : RestoreOutcome{};
    }

    TempTree m_tree;
};

} // namespace

TEST_F(TrashRestoreTest, PutsItemsOfAnyNameBackWithTheirBytesModeDatesAndAttributes)
{
    std::vector<std::string> names = awkwardNames();
    names.push_back("folder\nwith-newline");
    int index = 0;
    for (const std::string &name : names) {
        SCOPED_TRACE(name);
        const bool folder = name.starts_with("folder");
        const fs::path item = m_tree.path("home/Library/Caches/" + name);
        if (folder) {
            m_tree.writeFile("home/Library/Caches/" + name + "/inner.db", "inner");
            m_tree.makeSymlink("home/Library/Caches/" + name + "/current", "inner.db");
        } else {
            m_tree.writeFile("home/Library/Caches/" + name, "contents " + std::to_string(index++));
        }
        decorate(item, folder ? 0750 : 0640);
        const Snapshot before = snapshotOf(item);

        const fs::path inTrash = trashed(item);
        const RestoreOutcome outcome = restore(inTrash, item);

        ASSERT_TRUE(outcome.success) << outcome.errorDescription.toStdString();
        EXPECT_EQ(outcome.restoredPath, item);
        EXPECT_EQ(snapshotOf(item), before);
        EXPECT_FALSE(isThere(inTrash));
        EXPECT_FALSE(isThere(infoFileOf(inTrash)));
        if (folder) {
            EXPECT_EQ(TempTree::readFile(item / "inner.db"), "inner");
            EXPECT_EQ(fs::read_symlink(item / "current"), "inner.db");
        }
    }
    EXPECT_EQ(entryCount(trashFolder() / "files"), 0U);
    EXPECT_EQ(entryCount(trashFolder() / "info"), 0U);
    EXPECT_EQ(entryCount(m_tree.path("home/Library/Caches")), names.size());
    EXPECT_FALSE(anythingNamed(m_tree.root(), "pwned"));
}

TEST_F(TrashRestoreTest, NothingIsReplacedOrCreatedAndAnItemThatCannotGoBackStaysInTheTrash)
{
    const fs::path elsewhere = m_tree.makeFolder("elsewhere");
    struct Case {
        const char *what;
        std::function<void(const fs::path &item, const fs::path &inTrash)> change;
        const char *reason;
    };
    const std::vector<Case> cases = {
        {"a new file in its place", [](const fs::path &item, const fs::path &) { std::ofstream(item) << "new"; },
         "something else is now in its place"},
        {"a dangling link in its place",
         [](const fs::path &item, const fs::path &) { fs::create_symlink("nowhere", item); },
         "something else is now in its place"},
        {"an empty folder in its place", [](const fs::path &item, const fs::path &) { fs::create_directory(item); },
         "something else is now in its place"},
        {"its folder gone", [](const fs::path &item, const fs::path &) { fs::remove_all(item.parent_path()); },
         "no longer exists"},
        {"its folder a file now",
         [](const fs::path &item, const fs::path &) {
             fs::remove_all(item.parent_path());
             std::ofstream(item.parent_path()) << "file";
         },
         "is no longer a folder"},
        {"its folder a link of another user",
         [&](const fs::path &item, const fs::path &) {
             fs::remove_all(item.parent_path());
             fs::create_directory_symlink(elsewhere, item.parent_path());
             lchown(item.parent_path().c_str(), UnprivilegedUser, UnprivilegedUser);
         },
         "symbolic link of another user"},
        {"restore information naming another place",
         [&](const fs::path &, const fs::path &inTrash) {
             writeInfo(inTrash, (elsewhere / "item").native(), "2024-01-01T00:00:00");
         },
         "names another place"},
        {"restore information gone", [](const fs::path &, const fs::path &inTrash) { fs::remove(infoFileOf(inTrash)); },
         "cannot be read"},
    };
    for (const Case &each : cases) {
        SCOPED_TRACE(each.what);
        if (std::string_view(each.what).find("another user") != std::string_view::npos && geteuid() != 0)
            continue; // only root can give a link to somebody else
        fs::remove_all(m_tree.path("home/Library"));
        const fs::path item = m_tree.writeFile("home/Library/Preferences/com.example.app.plist", "mine");
        const fs::path inTrash = trashed(item);
        each.change(item, inTrash);
        const bool infoBefore = isThere(infoFileOf(inTrash));
        const bool placeTaken = isThere(item);
        const bool folderThere = isThere(item.parent_path());
        const Snapshot place = snapshotOf(item);

        const RestoreOutcome outcome = restore(inTrash, item);

        EXPECT_FALSE(outcome.success);
        EXPECT_TRUE(outcome.stillInTrash);
        EXPECT_TRUE(outcome.errorDescription.contains(QString::fromUtf8(each.reason)))
            << outcome.errorDescription.toStdString();
        EXPECT_TRUE(outcome.errorDescription.startsWith(QStringLiteral("Cannot put 'com.example.app.plist' back: ")));
        EXPECT_EQ(TempTree::readFile(inTrash), "mine");
        EXPECT_EQ(isThere(infoFileOf(inTrash)), infoBefore);
        EXPECT_EQ(entryCount(elsewhere), 0U);
        EXPECT_EQ(isThere(item), placeTaken);
        EXPECT_EQ(snapshotOf(item), place);
        EXPECT_EQ(isThere(item.parent_path()), folderThere);
        fs::remove(inTrash);
        fs::remove(infoFileOf(inTrash));
    }
    EXPECT_FALSE(restore(m_tree.path("home/.local/share/Trash/files/gone"), m_tree.path("home/gone")).stillInTrash);
}

TEST_F(TrashRestoreTest, FollowsTheUsersOwnLinksToTheFolderAndReadsRelativePathsOfATopDirectoryTrash)
{
    const fs::path real = m_tree.makeFolder("volume/RealPreferences");
    const fs::path item = m_tree.writeFile("volume/Library/Preferences/com.example.plist", "linked");
    const fs::path inTrash = trashed(item);
    fs::remove(m_tree.path("volume/Library/Preferences"));
    fs::create_directory_symlink(real, m_tree.path("volume/Library/Preferences"));
    const RestoreOutcome outcome = restore(inTrash, item);
    ASSERT_TRUE(outcome.success) << outcome.errorDescription.toStdString();
    EXPECT_EQ(TempTree::readFile(real / "com.example.plist"), "linked");

    // A Trash at the top of a file system records paths below that top.
    const std::string user = std::to_string(geteuid());
    const fs::path top = m_tree.path("volume");
    const fs::path moved = m_tree.writeFile("volume/.Trash-" + user + "/files/agent.plist", "agent");
    m_tree.makeFolder("volume/.Trash-" + user + "/info");
    writeInfo(moved, "Library/agent.plist", "2024-01-01T00:00:00");
    const RestoreOutcome relative = restore(moved, top / "Library/agent.plist");
    ASSERT_TRUE(relative.success) << relative.errorDescription.toStdString();
    EXPECT_EQ(TempTree::readFile(top / "Library/agent.plist"), "agent");
    EXPECT_EQ(entryCount(m_tree.path("volume/.Trash-" + user + "/info")), 0U);
}

TEST_F(TrashRestoreTest, OfSeveralItemsFromOnePlaceTheLatestComesFirst)
{
    const fs::path item = m_tree.path("home/Library/Logs/app.log");
    std::vector<fs::path> inTrash;
    for (const char *contents : {"first", "second", "third"}) {
        m_tree.writeFile("home/Library/Logs/app.log", contents);
        inTrash.push_back(trashed(item));
    }
    m_tree.writeFile("home/Library/Logs/other.log", "other");
    trashed(m_tree.path("home/Library/Logs/other.log"));
    // The third was deleted earliest, the other two in the same second, the second's information written last.
    writeInfo(inTrash[0], item.native(), "2024-05-01T10:00:00");
    writeInfo(inTrash[1], item.native(), "2024-05-01T10:00:00");
    writeInfo(inTrash[2], item.native(), "2023-01-01T00:00:00");
    const timespec earlier[2] = {{1700000000, 0}, {1700000000, 0}};
    const timespec later[2] = {{1700000000, 5}, {1700000000, 5}};
    utimensat(AT_FDCWD, infoFileOf(inTrash[0]).c_str(), earlier, 0);
    utimensat(AT_FDCWD, infoFileOf(inTrash[1]).c_str(), later, 0);

    const std::vector<TrashEntry> entries = FreedesktopTrash::entriesFrom(trashFolder(), item);

    ASSERT_EQ(entries.size(), 3U);
    EXPECT_EQ(entries[0].trashedPath, inTrash[1]);
    EXPECT_EQ(entries[1].trashedPath, inTrash[0]);
    EXPECT_EQ(entries[2].trashedPath, inTrash[2]);
    for (const TrashEntry &entry : entries)
        EXPECT_EQ(entry.originalPath, item);
    ASSERT_TRUE(restore(entries[0].trashedPath, item).success);
    EXPECT_EQ(TempTree::readFile(item), "second");
    EXPECT_EQ(FreedesktopTrash::entriesFrom(trashFolder(), item).size(), 2U);
    EXPECT_TRUE(FreedesktopTrash::entriesFrom(trashFolder(), m_tree.path("home/Library/Logs/none.log")).empty());
}

TEST(TrashInfo, ReadsTheGroupAndDecodesExactBytes)
{
    struct Case {
        std::string text;
        std::optional<std::string> path;
    };
    const std::vector<Case> cases = {
        {"[Trash Info]\r\nPath = /a%20b%0Ac%FF\r\nDeletionDate=2024-01-01T00:00:00\r\n", "/a b\nc\xff"},
        {"# note\n[Other]\nPath=/no\n[Trash Info]\nDeletionDate=x\nPath=/yes\nPath=/later\n", "/yes"},
        {"Path=/outside-a-group\n", std::nullopt},
        {"[Trash Info]\nPath=/broken%2\n", std::nullopt},
        {"[Trash Info]\nPath=/nul%00byte\n", std::nullopt},
        {"[Trash Info]\nDeletionDate=2024-01-01T00:00:00\n", std::nullopt},
    };
    for (const Case &each : cases) {
        SCOPED_TRACE(each.text);
        const auto info = TrashInfo::parse(each.text);
        ASSERT_EQ(info.has_value(), each.path.has_value());
        if (info) {
            EXPECT_EQ(info->path, *each.path);
        }
    }

    std::string allBytes = "/";
    for (int byte = 1; byte < 256; ++byte)
        allBytes += char(byte);
    EXPECT_EQ(TrashInfo::parse(TrashInfo{allBytes, "2024-01-01T00:00:00"}.text())->path, allBytes);

    const auto original = [](const std::string &path) {
        return TrashInfo{path, {}}.originalPath("/top");
    };
    EXPECT_EQ(original("Library/x"), fs::path("/top/Library/x"));
    EXPECT_EQ(original("/abs/x/"), fs::path("/abs/x"));
    EXPECT_EQ(original("Library/../../etc/x"), std::nullopt);
    EXPECT_EQ(original("/"), std::nullopt);
}
