// SPDX-FileCopyrightText: 2026 The Leftscan developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/FreedesktopTrash.h"
#include "PrivateMount.h"
#include "QtPrinters.h"
#include "ScopedEnvironment.h"
#include "TempTree.h"
#include "TrashInspection.h"
#include "Unprivileged.h"
#include "platform/FileStatus.h"
#include "platform/TagAttribute.h"
#include "platform/TrashInfo.h"
#include "platform/TrustedFolder.h"

#include <gtest/gtest.h>

#include <QString>
#include <fcntl.h>
#include <fstream>
#include <functional>
#include <regex>
#include <set>
#include <sys/stat.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

fs::path infoFileFor(const fs::path &trash, const fs::path &trashedPath)
{
    return trash / "info" / (trashedPath.filename().native() + ".trashinfo");
}

bool isUtf8(const std::string &bytes)
{
    const QByteArray raw(bytes.data(), qsizetype(bytes.size()));
    return QString::fromUtf8(raw).toUtf8() == raw;
}

mode_t modeOf(const fs::path &path)
{
    struct stat info {};
    lstat(path.c_str(), &info);
    return info.st_mode & 07777;
}

// An outcome as a child process hands it back.
std::string serialised(const TrashOutcome &outcome)
{
    return (outcome.success ? "1\n" : "0\n") + std::to_string(outcome.errorNumber) + '\n' +
           outcome.trashedPath.native() + '\n' + outcome.errorDescription.toStdString();
}

TrashOutcome deserialised(const std::string &text)
{
    const QStringList lines = QString::fromStdString(text).split(u'\n');
    return TrashOutcome{lines.value(0) == u"1", lines.value(2).toStdString(), lines.mid(3).join(u'\n'),
                        lines.value(1).toInt()};
}

// Checks that an item with the given original path and contents arrived in the Trash with a complete info file.
void expectTrashed(const TrashOutcome &outcome, const fs::path &trash, const fs::path &original,
                   const std::string &contents)
{
    ASSERT_TRUE(outcome.success) << outcome.errorDescription.toStdString();
    EXPECT_TRUE(outcome.errorDescription.isEmpty());
    EXPECT_FALSE(isThere(original));
    EXPECT_EQ(outcome.trashedPath.parent_path(), trash / "files");
    EXPECT_EQ(TempTree::readFile(outcome.trashedPath), contents);
    EXPECT_LE(outcome.trashedPath.filename().native().size(), FreedesktopTrash::MaximumNameBytes);

    const fs::path infoFile = infoFileFor(trash, outcome.trashedPath);
    ASSERT_TRUE(isThere(infoFile));
    const RecordedTrashInfo info = readTrashInfo(infoFile);
    ASSERT_EQ(info.lines.size(), 3u) << TempTree::readFile(infoFile);
    EXPECT_EQ(info.lines[0], "[Trash Info]");
    EXPECT_EQ(info.path, original.native());
    EXPECT_TRUE(std::regex_match(info.deletionDate, std::regex(R"(\d{4}-\d\d-\d\dT\d\d:\d\d:\d\d)")))
        << info.deletionDate;
    for (const std::string &line : info.lines) {
        for (const char c : line)
            EXPECT_TRUE(c >= 0x20 && c < 0x7f) << "byte " << int(static_cast<unsigned char>(c)) << " in " << line;
    }
}

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
    snapshot.modifiedSeconds = FileStatus::modificationTime(info).tv_sec;
    snapshot.nanoseconds = FileStatus::modificationTime(info).tv_nsec;
    if (S_ISREG(info.st_mode))
        snapshot.contents = TempTree::readFile(path);
    char value[64] = {};
    const ssize_t length = TagAttribute::get(path, value, sizeof value);
    if (length > 0)
        snapshot.attribute.assign(value, std::size_t(length));
    return snapshot;
}

// Gives the item a mode, a modification date with nanoseconds and an extended attribute where the file system keeps
// them.
void decorate(const fs::path &path, mode_t mode)
{
    chmod(path.c_str(), mode);
    TagAttribute::set(path, "kept");
    const timespec times[2] = {{1500000000, 0}, {1400000000, 123456789}};
    utimensat(AT_FDCWD, path.c_str(), times, AT_SYMLINK_NOFOLLOW);
}

fs::path infoFileOf(const fs::path &trashedPath)
{
    return infoFileFor(trashedPath.parent_path().parent_path(), trashedPath);
}

void writeInfo(const fs::path &trashedPath, const std::string &recorded, const std::string &date)
{
    std::ofstream(infoFileOf(trashedPath), std::ios::binary | std::ios::trunc) << TrashInfo{recorded, date}.text();
}

// A tree with the home Trash in it, where the home's .local/share is not there yet.
class FreedesktopTrashTest : public ::testing::Test {
protected:
    FreedesktopTrashTest() { m_tree.makeFolder("home"); }

    fs::path trashFolder() const { return m_tree.path("home/.local/share/Trash"); }
    FreedesktopTrash trash() const { return FreedesktopTrash(m_tree.path("home"), ".local/share/Trash"); }
    fs::path inTrash(std::string_view relative) const { return trashFolder() / relative; }
    void writeInTrash(std::string_view relative, std::string_view contents) const
    {
        m_tree.writeFile("home/.local/share/Trash/" + std::string(relative), contents);
    }

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
        return holder ? holder->restore(trashedPath, original,
                                        TrustedFolder(original.parent_path(), TrustedFolder::Links::refused))
                      : RestoreOutcome{};
    }

    TempTree m_tree;
};

} // namespace

TEST_F(FreedesktopTrashTest, NeverReplacesAnythingInTheTrashAndNumbersTheNamesItFindsTaken)
{
    // Left there by another program, without info files.
    writeInTrash("files/com.example.app.plist", "left behind");
    writeInTrash("files/com.example.cache/keep", "folder left behind");

    const fs::path item = m_tree.path("Library/com.example.app.plist");
    for (const std::string number : {"2", "3"}) {
        m_tree.writeFile("Library/com.example.app.plist", number);
        const TrashOutcome outcome = trash().moveToTrash(item);
        expectTrashed(outcome, trashFolder(), item, number);
        EXPECT_EQ(outcome.trashedPath.filename(), "com.example.app " + number + ".plist");
    }
    EXPECT_EQ(TempTree::readFile(inTrash("files/com.example.app.plist")), "left behind");
    EXPECT_FALSE(isThere(inTrash("info/com.example.app.plist.trashinfo")));

    // Folders keep their whole name and get the number at its end.
    for (const std::string number : {"2", "3"}) {
        m_tree.writeFile("Library/com.example.cache/keep", number);
        const TrashOutcome outcome = trash().moveToTrash(m_tree.path("Library/com.example.cache"));
        ASSERT_TRUE(outcome.success) << outcome.errorDescription.toStdString();
        EXPECT_EQ(outcome.trashedPath.filename(), "com.example.cache " + number);
        EXPECT_EQ(TempTree::readFile(outcome.trashedPath / "keep"), number);
    }
    EXPECT_EQ(TempTree::readFile(inTrash("files/com.example.cache/keep")), "folder left behind");
}

TEST_F(FreedesktopTrashTest, ShortensLongNamesWithoutSplittingCharactersOrExceedingTheLimit)
{
    std::string accented;
    while (accented.size() + 2 <= 254)
        accented += "\xc3\xa9";
    accented += "x";
    ASSERT_EQ(accented.size(), 255u);
    const std::string withExtension = std::string(249, 'p') + ".plist";

    for (const std::string &name : {std::string(255, 'n'), accented, withExtension}) {
        SCOPED_TRACE(name);
        std::set<std::string> given;
        for (int copy = 0; copy < 3; ++copy) {
            const std::string contents = "copy " + std::to_string(copy);
            const fs::path item = m_tree.writeFile("Library/" + name, contents);
            const TrashOutcome outcome = trash().moveToTrash(item);
            expectTrashed(outcome, trashFolder(), item, contents);
            const std::string trashedName = outcome.trashedPath.filename().native();
            EXPECT_LE(trashedName.size() + std::string(".trashinfo").size(), 255u);
            EXPECT_EQ(isUtf8(trashedName), isUtf8(name));
            EXPECT_EQ(trashedName.substr(0, 150), name.substr(0, 150));
            const std::string number = copy == 0 ? std::string() : " " + std::to_string(copy + 1);
            const std::string ending = name == withExtension ? number + ".plist" : number;
            EXPECT_TRUE(trashedName.ends_with(ending)) << trashedName;
            given.insert(trashedName);
        }
        EXPECT_EQ(given.size(), 3u);
    }
}

TEST_F(FreedesktopTrashTest, MovesASymbolicLinkItselfAndLeavesItsTargetInPlace)
{
    const fs::path target = m_tree.writeFile("Elsewhere/real.plist", "target contents");
    m_tree.writeFile("Elsewhere/RealFolder/inside", "inside");
    const fs::path fileLink = m_tree.makeSymlink("Library/link.plist", target.native());
    const fs::path folderLink = m_tree.makeSymlink("Library/FolderLink", m_tree.path("Elsewhere/RealFolder").native());
    const fs::path dangling = m_tree.makeSymlink("Library/dangling", m_tree.path("nowhere").native());

    const fs::path first = trashed(fileLink);
    EXPECT_TRUE(fs::is_symlink(first));
    EXPECT_EQ(fs::read_symlink(first), target);
    EXPECT_EQ(TempTree::readFile(target), "target contents");
    EXPECT_FALSE(isThere(fileLink));

    // A trailing slash would make the system follow the link; the link is still what moves.
    const fs::path second = trashed(folderLink.native() + "/");
    EXPECT_TRUE(fs::is_symlink(second));
    EXPECT_EQ(readTrashInfo(infoFileFor(trashFolder(), second)).path, folderLink.native());
    EXPECT_EQ(TempTree::readFile(m_tree.path("Elsewhere/RealFolder/inside")), "inside");
    EXPECT_FALSE(isThere(folderLink));

    EXPECT_TRUE(fs::is_symlink(trashed(dangling)));
    EXPECT_EQ(entryCount(inTrash("files")), 3u);
}

TEST_F(FreedesktopTrashTest, AMissingItemOrAnUnusableTrashFailsAndLeavesEverythingAsItWas)
{
    m_tree.makeFolder("Library");
    const TrashOutcome gone = trash().moveToTrash(m_tree.path("Library/gone.plist"));
    EXPECT_FALSE(gone.success);
    EXPECT_TRUE(gone.trashedPath.empty());
    EXPECT_TRUE(gone.errorDescription.contains(QStringLiteral("gone.plist")));
    EXPECT_TRUE(gone.errorDescription.contains(QStringLiteral("no longer exists")));
    EXPECT_EQ(gone.errorNumber, ENOENT);
    EXPECT_FALSE(gone.permissionDenied());
    EXPECT_FALSE(trash().moveToTrash(m_tree.path("Library/NoSuchFolder/item")).success);
    EXPECT_EQ(entryCount(inTrash("files")) + entryCount(inTrash("info")), 0u);

    const fs::path item = m_tree.writeFile("Library/item.plist", "stays");
    m_tree.writeFile("NotAFolder", "a file where the Trash should be");
    const TrashOutcome unusable = FreedesktopTrash(m_tree.path("NotAFolder/Trash")).moveToTrash(item);
    EXPECT_FALSE(unusable.success);
    EXPECT_TRUE(unusable.errorDescription.contains(QStringLiteral("Not a directory")))
        << unusable.errorDescription.toStdString();
    // The Trash is at fault, not the item: no number that would call for administrator rights.
    EXPECT_EQ(unusable.errorNumber, 0);
    EXPECT_EQ(TempTree::readFile(item), "stays");
}

TEST_F(FreedesktopTrashTest, AnItemInAReadOnlyFolderStaysInPlaceAndItsReservationIsReleased)
{
    chmod(m_tree.root().c_str(), 0755);
    const fs::path item = m_tree.writeFile("Locked/com.example.daemon.plist", "protected");
    chmod(m_tree.path("Locked").c_str(), 0555);
    // The Trash belongs to whoever runs the move.
    const fs::path trashFolder = m_tree.makeFolder("Trash");
    chmod(trashFolder.c_str(), 0700);
    if (geteuid() == 0) {
        ASSERT_EQ(chown(trashFolder.c_str(), UnprivilegedUser, UnprivilegedUser), 0);
    }

    const auto result = runUnprivileged([&] { return serialised(FreedesktopTrash(trashFolder).moveToTrash(item)); });

    ASSERT_TRUE(result.has_value());
    const TrashOutcome outcome = deserialised(*result);
    EXPECT_FALSE(outcome.success);
    EXPECT_TRUE(outcome.errorDescription.contains(QStringLiteral("Permission denied")))
        << outcome.errorDescription.toStdString();
    EXPECT_TRUE(outcome.errorDescription.contains(QStringLiteral("com.example.daemon.plist")));
    EXPECT_TRUE(outcome.permissionDenied());
    EXPECT_EQ(TempTree::readFile(item), "protected");
    EXPECT_EQ(entryCount(trashFolder / "files") + entryCount(trashFolder / "info"), 0u);
}

TEST_F(FreedesktopTrashTest, ReservationsHoldTheirNameUntilReleased)
{
    const fs::path item = m_tree.writeFile("Library/com.example.helper.plist", "x");

    const auto first = trash().reserve(item);
    const auto second = trash().reserve(item);
    ASSERT_TRUE(first && second);
    EXPECT_EQ(first->filesPath, inTrash("files/com.example.helper.plist"));
    EXPECT_EQ(first->infoPath, inTrash("info/com.example.helper.plist.trashinfo"));
    EXPECT_EQ(second->filesPath, inTrash("files/com.example.helper 2.plist"));
    EXPECT_EQ(readTrashInfo(first->infoPath).path, item.native());
    EXPECT_FALSE(isThere(first->filesPath));

    trash().release(*first);
    EXPECT_FALSE(isThere(first->infoPath));
    EXPECT_TRUE(isThere(second->infoPath));
    const auto third = trash().reserve(item);
    ASSERT_TRUE(third);
    EXPECT_EQ(third->filesPath, first->filesPath);

    // An item that reached its reserved place keeps the info that lets it be put back.
    fs::rename(item, second->filesPath);
    trash().release(*second);
    EXPECT_TRUE(isThere(second->infoPath));

    // Relative paths are recorded as absolute ones.
    const fs::path previous = fs::current_path();
    fs::current_path(m_tree.path("Library"));
    m_tree.writeFile("Library/relative.txt", "r");
    const auto relative = trash().reserve("relative.txt");
    fs::current_path(previous);
    ASSERT_TRUE(relative);
    EXPECT_EQ(readTrashInfo(relative->infoPath).path, m_tree.path("Library/relative.txt").native());
}

// A data folder outside the home counts only when it is the home owner's, who is not root, and nobody else may write
// in it: anybody else could take what goes to the Trash there.
TEST_F(FreedesktopTrashTest, HomeTrashFollowsXdgDataHomeOnlyForTheUsersOwnAbsoluteSettingOfAFolderOnlyTheyMayWrite)
{
    const fs::path home = m_tree.makeFolder("home");
    const fs::path data = m_tree.makeFolder("data");
    const uid_t owner = geteuid() == 0 ? UnprivilegedUser : geteuid();
    for (const fs::path &folder : {home, data})
        ASSERT_EQ(lchown(folder.c_str(), owner, owner), 0);
    const QByteArray homeVariable = QByteArray::fromStdString(home.native());
    {
        ScopedEnvironment ownHome("HOME", homeVariable + '/');
        ScopedEnvironment dataHome("XDG_DATA_HOME", QByteArray::fromStdString(data.native()));
        EXPECT_EQ(FreedesktopTrash::ofHome(home).folder(), m_tree.path("data/Trash"));
        EXPECT_EQ(FreedesktopTrash::ofHome(m_tree.path("other")).folder(), m_tree.path("other/.local/share/Trash"));
        chmod(data.c_str(), 0775);
        EXPECT_EQ(FreedesktopTrash::ofHome(home).folder(), home / ".local/share/Trash");
        if (geteuid() == 0) {
            // Root's own home, and root's folder.
            chmod(data.c_str(), 0755);
            for (const fs::path &folder : {home, data})
                ASSERT_EQ(lchown(folder.c_str(), 0, 0), 0);
            EXPECT_EQ(FreedesktopTrash::ofHome(home).folder(), home / ".local/share/Trash");
        }
    }
    for (const std::optional<QByteArray> &dataHome :
         {std::optional<QByteArray>("relative/data"), std::optional<QByteArray>()}) {
        ScopedEnvironment ownHome("HOME", homeVariable);
        ScopedEnvironment dataHomeVariable("XDG_DATA_HOME", dataHome);
        EXPECT_EQ(FreedesktopTrash::ofHome(home).folder(), home / ".local/share/Trash");
    }
}

TEST_F(FreedesktopTrashTest, MovesItemsOfAnyNameToTheTrashAndBackWithTheirBytesModeDatesAndAttributes)
{
    std::vector<std::string> names = awkwardNames();
    names.push_back("folder\nwith-newline");
    int index = 0;
    for (const std::string &name : names) {
        SCOPED_TRACE(name);
        const bool folder = name.starts_with("folder");
        const fs::path item = m_tree.path("home/Library/Caches/" + name);
        const std::string contents = "contents " + std::to_string(index++);
        if (folder) {
            m_tree.writeFile("home/Library/Caches/" + name + "/inner.db", "inner");
            m_tree.makeSymlink("home/Library/Caches/" + name + "/current", "inner.db");
        } else {
            m_tree.writeFile("home/Library/Caches/" + name, contents);
        }
        decorate(item, folder ? 0750 : 0640);
        const Snapshot before = snapshotOf(item);

        const TrashOutcome moved = trash().moveToTrash(item);
        ASSERT_TRUE(moved.success) << moved.errorDescription.toStdString();
        if (!folder)
            expectTrashed(moved, trashFolder(), item, contents);
        else
            EXPECT_EQ(moved.trashedPath, inTrash("files") / name);
        const fs::path inTrash = moved.trashedPath;
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
    EXPECT_EQ(entryCount(inTrash("files")) + entryCount(inTrash("info")), 0U);
    EXPECT_EQ(entryCount(m_tree.path("home/Library/Caches")), names.size());
    // The Trash's folders that were missing were made for their owner alone.
    for (const char *created : {"home/.local", "home/.local/share", "home/.local/share/Trash",
                                "home/.local/share/Trash/files", "home/.local/share/Trash/info"})
        EXPECT_EQ(modeOf(m_tree.path(created)) & 0077, 0u) << created;
    EXPECT_FALSE(anythingNamed(m_tree.root(), "pwned"));
}

TEST_F(FreedesktopTrashTest, NothingIsReplacedOrCreatedAndAnItemThatCannotGoBackStaysInTheTrash)
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
        {"its folder a link now",
         [&](const fs::path &item, const fs::path &) {
             fs::remove_all(item.parent_path());
             fs::create_directory_symlink(elsewhere, item.parent_path());
         },
         "leads through a symbolic link"},
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

TEST_F(FreedesktopTrashTest, ATrashAtTheTopOfAFileSystemRecordsPathsBelowThatTop)
{
    const std::string user = std::to_string(geteuid());
    const fs::path top = m_tree.path("volume");
    const fs::path moved = m_tree.writeFile("volume/.Trash-" + user + "/files/agent.plist", "agent");
    m_tree.makeFolder("volume/.Trash-" + user + "/info");
    writeInfo(moved, "Library/agent.plist", "2024-01-01T00:00:00");
    m_tree.makeFolder("volume/Library");
    const RestoreOutcome relative = restore(moved, top / "Library/agent.plist");
    ASSERT_TRUE(relative.success) << relative.errorDescription.toStdString();
    EXPECT_EQ(TempTree::readFile(top / "Library/agent.plist"), "agent");
    EXPECT_EQ(entryCount(m_tree.path("volume/.Trash-" + user + "/info")), 0U);
}

TEST_F(FreedesktopTrashTest, OfSeveralItemsFromOnePlaceTheLatestComesFirst)
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

    const std::vector<TrashEntry> entries = FreedesktopTrash::entriesFrom(trash(), item);

    ASSERT_EQ(entries.size(), 3U);
    EXPECT_EQ(entries[0].trashedPath, inTrash[1]);
    EXPECT_EQ(entries[1].trashedPath, inTrash[0]);
    EXPECT_EQ(entries[2].trashedPath, inTrash[2]);
    for (const TrashEntry &entry : entries)
        EXPECT_EQ(entry.originalPath, item);
    ASSERT_TRUE(restore(entries[0].trashedPath, item).success);
    EXPECT_EQ(TempTree::readFile(item), "second");
    EXPECT_EQ(FreedesktopTrash::entriesFrom(trash(), item).size(), 2U);
    EXPECT_TRUE(FreedesktopTrash::entriesFrom(trash(), m_tree.path("home/Library/Logs/none.log")).empty());
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
        {std::string("[Trash Info]\nPath=/raw\0nul\n", 27), std::nullopt},
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

namespace {

// A tree with the home Trash in it and a second file system: Volume shows the folder VolumeContents through a bind
// mount that exists only in a child process.
class OtherFileSystem : public FreedesktopTrashTest {
protected:
    void SetUp() override
    {
        if (!privateMountsAvailable())
            GTEST_SKIP() << "no private mount namespace here";
        m_tree.makeFolder("Volume");
        m_tree.writeFile("VolumeContents/Library/com.example.agent.plist", "on the other volume");
    }

    // Moves Volume/Library/com.example.agent.plist to the home Trash with the volume mounted.
    TrashOutcome moveFromVolume() const
    {
        const fs::path volume = m_tree.path("Volume");
        const auto text = withBindMount(m_tree.path("VolumeContents"), volume, [&] {
            return serialised(trash().moveToTrash(volume / "Library/com.example.agent.plist"));
        });
        EXPECT_TRUE(text) << "the child failed";
        return deserialised(text.value_or("0\n0\n\nthe child failed"));
    }

    fs::path onVolume(std::string_view relative) const { return m_tree.path("VolumeContents") / relative; }
    // Where a path inside the mounted volume is found without the mount.
    fs::path unmounted(const fs::path &path) const
    {
        return m_tree.path("VolumeContents") / path.lexically_relative(m_tree.path("Volume"));
    }
    void expectItemStayed() const
    {
        EXPECT_EQ(TempTree::readFile(onVolume("Library/com.example.agent.plist")), "on the other volume");
        EXPECT_EQ(entryCount(trashFolder() / "files") + entryCount(trashFolder() / "info"), 0u);
    }
    std::string user() const { return std::to_string(geteuid()); }
};

} // namespace

TEST_F(OtherFileSystem, AnItemOnAnotherFileSystemGoesToTheTrashAtTheTopOfThatFileSystem)
{
    const TrashOutcome outcome = moveFromVolume();

    ASSERT_TRUE(outcome.success) << outcome.errorDescription.toStdString();
    const fs::path topTrash = onVolume(".Trash-" + user());
    EXPECT_EQ(unmounted(outcome.trashedPath), topTrash / "files/com.example.agent.plist");
    EXPECT_EQ(TempTree::readFile(topTrash / "files/com.example.agent.plist"), "on the other volume");
    EXPECT_FALSE(isThere(onVolume("Library/com.example.agent.plist")));
    EXPECT_EQ(modeOf(topTrash) & 0077, 0u);
    EXPECT_EQ(readTrashInfo(topTrash / "info/com.example.agent.plist.trashinfo").path,
              "Library/com.example.agent.plist");
    EXPECT_EQ(entryCount(trashFolder() / "files") + entryCount(trashFolder() / "info"), 0u);
}

TEST_F(OtherFileSystem, ASharedTrashIsUsedOnlyWithTheStickyBitAndThenHoldsAFolderPerUser)
{
    const fs::path shared = m_tree.makeFolder("VolumeContents/.Trash");
    chmod(shared.c_str(), 0777);
    const TrashOutcome withoutStickyBit = moveFromVolume();
    ASSERT_TRUE(withoutStickyBit.success) << withoutStickyBit.errorDescription.toStdString();
    EXPECT_EQ(unmounted(withoutStickyBit.trashedPath), onVolume(".Trash-" + user()) / "files/com.example.agent.plist");
    EXPECT_EQ(entryCount(shared), 0u);

    fs::remove_all(onVolume(".Trash-" + user()));
    m_tree.writeFile("VolumeContents/Library/com.example.agent.plist", "again");
    chmod(shared.c_str(), 01777);
    const TrashOutcome outcome = moveFromVolume();
    ASSERT_TRUE(outcome.success) << outcome.errorDescription.toStdString();
    EXPECT_EQ(unmounted(outcome.trashedPath), shared / user() / "files/com.example.agent.plist");
    EXPECT_TRUE(isThere(shared / user() / "info/com.example.agent.plist.trashinfo"));
    EXPECT_FALSE(isThere(onVolume(".Trash-" + user())));
}

TEST_F(OtherFileSystem, AUserTrashThatIsASymbolicLinkIsRefusedAndTheItemStays)
{
    m_tree.makeFolder("Elsewhere");
    m_tree.makeSymlink("VolumeContents/.Trash-" + user(), m_tree.path("Elsewhere").native());

    const TrashOutcome outcome = moveFromVolume();

    EXPECT_FALSE(outcome.success);
    EXPECT_TRUE(outcome.errorDescription.contains(QStringLiteral("another file system")))
        << outcome.errorDescription.toStdString();
    expectItemStayed();
    EXPECT_EQ(entryCount(m_tree.path("Elsewhere")), 0u);
}

TEST_F(OtherFileSystem, AUserTrashOwnedBySomebodyElseIsRefused)
{
    if (geteuid() != 0)
        GTEST_SKIP() << "needs to give a folder to another user";
    const fs::path foreign = m_tree.makeFolder("VolumeContents/.Trash-" + user());
    ASSERT_EQ(chown(foreign.c_str(), UnprivilegedUser, UnprivilegedUser), 0);
    chmod(foreign.c_str(), 0777);

    const TrashOutcome outcome = moveFromVolume();

    EXPECT_FALSE(outcome.success);
    expectItemStayed();
    EXPECT_EQ(entryCount(foreign), 0u);
}

TEST_F(OtherFileSystem, RootMovingForTheHomeOfAnotherUserMakesNoTrashOfItsOwnOnTheOtherFileSystem)
{
    if (geteuid() != 0)
        GTEST_SKIP() << "needs to give the home to another user";
    ASSERT_EQ(chown(m_tree.path("home").c_str(), UnprivilegedUser, UnprivilegedUser), 0);

    const TrashOutcome outcome = moveFromVolume();

    EXPECT_FALSE(outcome.success);
    EXPECT_TRUE(outcome.errorDescription.contains(QStringLiteral("another file system than the Trash of its home")))
        << outcome.errorDescription.toStdString();
    expectItemStayed();
    EXPECT_FALSE(isThere(onVolume(".Trash-" + user())));
}
