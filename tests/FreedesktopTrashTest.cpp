#include "platform/FreedesktopTrash.h"
#include "QtPrinters.h"
#include "TempTree.h"
#include "TrashInspection.h"
#include "Unprivileged.h"

#include <gtest/gtest.h>

#include <QString>
#include <cctype>
#include <cstdlib>
#include <fcntl.h>
#include <functional>
#include <regex>
#include <set>
#include <sstream>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

#ifdef __linux__
#include <sched.h>
#include <sys/mount.h>
#endif

namespace fs = std::filesystem;

namespace {

const std::string LongName(255, 'n');

fs::path infoFileFor(const fs::path &trash, const fs::path &trashedPath)
{
    return trash / "info" / (trashedPath.filename().native() + ".trashinfo");
}

std::set<std::string> entries(const fs::path &folder)
{
    std::set<std::string> names;
    std::error_code error;
    for (const auto &entry : fs::directory_iterator(folder, error))
        names.insert(entry.path().filename().native());
    return names;
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

std::string serialised(const TrashOutcome &outcome)
{
    return (outcome.success ? "1\n" : "0\n") + std::to_string(outcome.errorNumber) + '\n' +
           outcome.trashedPath.native() + '\n' + outcome.errorDescription.toStdString();
}

TrashOutcome deserialised(const std::string &text)
{
    TrashOutcome outcome;
    std::istringstream lines(text);
    std::string success, number, path;
    std::getline(lines, success);
    std::getline(lines, number);
    std::getline(lines, path);
    outcome.success = success == "1";
    outcome.errorNumber = std::stoi(number);
    outcome.trashedPath = path;
    outcome.errorDescription = QString::fromStdString(text.substr(std::size_t(lines.tellg())));
    return outcome;
}

// Checks that an item with the given original path and contents arrived in the Trash with a complete info file.
void expectTrashed(const TrashOutcome &outcome, const fs::path &trash, const fs::path &original,
                   const std::string &contents, const std::string &recordedPath)
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
    EXPECT_EQ(info.path, recordedPath);
    EXPECT_TRUE(std::regex_match(info.deletionDate, std::regex(R"(\d{4}-\d\d-\d\dT\d\d:\d\d:\d\d)")))
        << info.deletionDate;
    for (const std::string &line : info.lines) {
        for (const char c : line)
            EXPECT_TRUE(c >= 0x20 && c < 0x7f) << "byte " << int(static_cast<unsigned char>(c)) << " in " << line;
    }
}

class ScopedEnvironment {
public:
    ScopedEnvironment(const char *name, const std::optional<std::string> &value)
        : m_name(name)
    {
        if (const char *old = std::getenv(name))
            m_old = old;
        if (value)
            setenv(name, value->c_str(), 1);
        else
            unsetenv(name);
    }
    ~ScopedEnvironment()
    {
        if (m_old)
            setenv(m_name, m_old->c_str(), 1);
        else
            unsetenv(m_name);
    }
    ScopedEnvironment(const ScopedEnvironment &) = delete;
    ScopedEnvironment &operator=(const ScopedEnvironment &) = delete;

private:
    const char *m_name;
    std::optional<std::string> m_old;
};

} // namespace

TEST(FreedesktopTrash, MovesItemsWithAnyNameAndRecordsTheirExactOriginalPath)
{
    TempTree tree;
    const fs::path trashFolder = tree.path("Trash");
    const FreedesktopTrash trash(trashFolder);
    int index = 0;
    for (const std::string &name : awkwardNames()) {
        SCOPED_TRACE(name);
        const std::string contents = "contents " + std::to_string(index++);
        const fs::path item = tree.writeFile("Library/" + name, contents);
        expectTrashed(trash.moveToTrash(item), trashFolder, item, contents, item.native());
    }
    EXPECT_EQ(entries(trashFolder / "files").size(), awkwardNames().size());
    EXPECT_EQ(entries(trashFolder / "info").size(), awkwardNames().size());
    EXPECT_TRUE(entries(tree.path("Library")).empty());
    EXPECT_FALSE(anythingNamed(tree.root(), "pwned"));
}

TEST(FreedesktopTrash, MovesWholeFoldersAndCreatesMissingTrashFoldersPrivately)
{
    TempTree tree;
    tree.writeFile("Library/Application Support/Old App/data/state.json", "{}");
    tree.makeSymlink("Library/Application Support/Old App/current", "data");
    const fs::path trashFolder = tree.path("home/.local/share/Trash");
    const FreedesktopTrash trash(trashFolder);

    const fs::path folder = tree.path("Library/Application Support/Old App");
    const TrashOutcome outcome = trash.moveToTrash(folder);

    ASSERT_TRUE(outcome.success) << outcome.errorDescription.toStdString();
    EXPECT_FALSE(isThere(folder));
    EXPECT_EQ(outcome.trashedPath, trashFolder / "files" / "Old App");
    EXPECT_EQ(TempTree::readFile(outcome.trashedPath / "data/state.json"), "{}");
    EXPECT_EQ(fs::read_symlink(outcome.trashedPath / "current"), "data");
    EXPECT_EQ(readTrashInfo(infoFileFor(trashFolder, outcome.trashedPath)).path, folder.native());
    for (const char *created : {"home/.local", "home/.local/share", "home/.local/share/Trash",
                                "home/.local/share/Trash/files", "home/.local/share/Trash/info"})
        EXPECT_EQ(modeOf(tree.path(created)) & 0077, 0u) << created;
}

TEST(FreedesktopTrash, KeepsEveryItemWhoseNameIsAlreadyInTheTrash)
{
    TempTree tree;
    const fs::path trashFolder = tree.path("Trash");
    const FreedesktopTrash trash(trashFolder);
    const fs::path item = tree.path("Library/Preferences/com.example.app.plist");

    std::vector<fs::path> trashed;
    for (const char *contents : {"first", "second", "third"}) {
        tree.writeFile("Library/Preferences/com.example.app.plist", contents);
        const TrashOutcome outcome = trash.moveToTrash(item);
        expectTrashed(outcome, trashFolder, item, contents, item.native());
        trashed.push_back(outcome.trashedPath);
    }
    EXPECT_EQ(trashed[0].filename(), "com.example.app.plist");
    EXPECT_EQ(trashed[1].filename(), "com.example.app 2.plist");
    EXPECT_EQ(trashed[2].filename(), "com.example.app 3.plist");
    EXPECT_EQ(TempTree::readFile(trashed[0]), "first");
    EXPECT_EQ(TempTree::readFile(trashed[1]), "second");

    // Folders keep their whole name and get the number at its end.
    tree.writeFile("Library/Caches/com.example.app/cache.db", "cache 0");
    ASSERT_TRUE(trash.moveToTrash(tree.path("Library/Caches/com.example.app")).success);
    tree.writeFile("Library/Caches/com.example.app/cache.db", "cache 1");
    const TrashOutcome again = trash.moveToTrash(tree.path("Library/Caches/com.example.app"));
    ASSERT_TRUE(again.success);
    EXPECT_EQ(again.trashedPath.filename(), "com.example.app 2");
    EXPECT_EQ(TempTree::readFile(trashFolder / "files/com.example.app/cache.db"), "cache 0");
    EXPECT_EQ(TempTree::readFile(again.trashedPath / "cache.db"), "cache 1");
}

TEST(FreedesktopTrash, NeverReplacesAnItemInTheTrashThatHasNoInfoFile)
{
    TempTree tree;
    const fs::path trashFolder = tree.path("Trash");
    tree.writeFile("Trash/files/notes.txt", "left by another program");
    tree.writeFile("Trash/files/Stuff/keep", "folder left behind");
    tree.makeFolder("Trash/info");
    const FreedesktopTrash trash(trashFolder);

    const fs::path file = tree.writeFile("Library/notes.txt", "mine");
    expectTrashed(trash.moveToTrash(file), trashFolder, file, "mine", file.native());
    EXPECT_EQ(TempTree::readFile(trashFolder / "files/notes.txt"), "left by another program");
    EXPECT_TRUE(isThere(trashFolder / "files/notes 2.txt"));
    EXPECT_FALSE(isThere(trashFolder / "info/notes.txt.trashinfo"));

    const fs::path folder = tree.makeFolder("Library/Stuff");
    const TrashOutcome outcome = trash.moveToTrash(folder);
    ASSERT_TRUE(outcome.success) << outcome.errorDescription.toStdString();
    EXPECT_EQ(outcome.trashedPath.filename(), "Stuff 2");
    EXPECT_EQ(TempTree::readFile(trashFolder / "files/Stuff/keep"), "folder left behind");
}

TEST(FreedesktopTrash, ShortensLongNamesWithoutSplittingCharactersOrExceedingTheLimit)
{
    TempTree tree;
    const fs::path trashFolder = tree.path("Trash");
    const FreedesktopTrash trash(trashFolder);

    std::string accented;
    while (accented.size() + 2 <= 254)
        accented += "\xc3\xa9";
    accented += "x";
    ASSERT_EQ(accented.size(), 255u);
    const std::string withExtension = std::string(249, 'p') + ".plist";
    ASSERT_EQ(withExtension.size(), 255u);

    for (const std::string &name : {LongName, accented, withExtension}) {
        SCOPED_TRACE(name);
        std::set<std::string> given;
        for (int copy = 0; copy < 3; ++copy) {
            const std::string contents = "copy " + std::to_string(copy);
            const fs::path item = tree.writeFile("Library/" + name, contents);
            const TrashOutcome outcome = trash.moveToTrash(item);
            expectTrashed(outcome, trashFolder, item, contents, item.native());
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

TEST(FreedesktopTrash, MovesASymbolicLinkItselfAndLeavesItsTargetInPlace)
{
    TempTree tree;
    const fs::path trashFolder = tree.path("Trash");
    const FreedesktopTrash trash(trashFolder);
    const fs::path target = tree.writeFile("Elsewhere/real.plist", "target contents");
    tree.makeFolder("Elsewhere/RealFolder");
    tree.writeFile("Elsewhere/RealFolder/inside", "inside");
    const fs::path fileLink = tree.makeSymlink("Library/link.plist", target.native());
    const fs::path folderLink = tree.makeSymlink("Library/FolderLink", tree.path("Elsewhere/RealFolder").native());
    const fs::path dangling = tree.makeSymlink("Library/dangling", tree.path("nowhere").native());

    const TrashOutcome first = trash.moveToTrash(fileLink);
    ASSERT_TRUE(first.success) << first.errorDescription.toStdString();
    EXPECT_TRUE(fs::is_symlink(first.trashedPath));
    EXPECT_EQ(fs::read_symlink(first.trashedPath), target);
    EXPECT_EQ(TempTree::readFile(target), "target contents");
    EXPECT_FALSE(isThere(fileLink));

    // A trailing slash would make the system follow the link; the link is still what moves.
    const TrashOutcome second = trash.moveToTrash(folderLink.native() + "/");
    ASSERT_TRUE(second.success) << second.errorDescription.toStdString();
    EXPECT_TRUE(fs::is_symlink(second.trashedPath));
    EXPECT_EQ(readTrashInfo(infoFileFor(trashFolder, second.trashedPath)).path, folderLink.native());
    EXPECT_EQ(TempTree::readFile(tree.path("Elsewhere/RealFolder/inside")), "inside");
    EXPECT_FALSE(isThere(folderLink));

    const TrashOutcome third = trash.moveToTrash(dangling);
    ASSERT_TRUE(third.success) << third.errorDescription.toStdString();
    EXPECT_TRUE(fs::is_symlink(third.trashedPath));
    EXPECT_EQ(entries(trashFolder / "files").size(), 3u);
}

TEST(FreedesktopTrash, AnItemThatVanishedFailsAndLeavesNothingBehind)
{
    TempTree tree;
    const fs::path trashFolder = tree.path("Trash");
    const FreedesktopTrash trash(trashFolder);
    const fs::path item = tree.writeFile("Library/gone.plist", "x");
    fs::remove(item);

    const TrashOutcome outcome = trash.moveToTrash(item);

    EXPECT_FALSE(outcome.success);
    EXPECT_TRUE(outcome.trashedPath.empty());
    EXPECT_TRUE(outcome.errorDescription.contains(QStringLiteral("gone.plist")));
    EXPECT_TRUE(outcome.errorDescription.contains(QStringLiteral("no longer exists")));
    EXPECT_EQ(outcome.errorNumber, ENOENT);
    EXPECT_FALSE(outcome.permissionDenied());
    EXPECT_TRUE(entries(trashFolder / "files").empty());
    EXPECT_TRUE(entries(trashFolder / "info").empty());

    const TrashOutcome missingParent = trash.moveToTrash(tree.path("Library/NoSuchFolder/item"));
    EXPECT_FALSE(missingParent.success);
    EXPECT_FALSE(missingParent.errorDescription.isEmpty());
    EXPECT_TRUE(entries(trashFolder / "info").empty());
}

TEST(FreedesktopTrash, AnItemInAReadOnlyFolderStaysInPlaceAndItsReservationIsReleased)
{
    TempTree tree;
    chmod(tree.root().c_str(), 0755);
    const fs::path item = tree.writeFile("Locked/com.example.daemon.plist", "protected");
    chmod(tree.path("Locked").c_str(), 0555);
    // The Trash belongs to whoever runs the move; here anybody may create its folders.
    const fs::path trashFolder = tree.makeFolder("Trash");
    chmod(trashFolder.c_str(), 0777);

    const auto result = runUnprivileged([&] { return serialised(FreedesktopTrash(trashFolder).moveToTrash(item)); });

    ASSERT_TRUE(result.has_value());
    const TrashOutcome outcome = deserialised(*result);
    EXPECT_FALSE(outcome.success);
    EXPECT_TRUE(outcome.errorDescription.contains(QStringLiteral("Permission denied")))
        << outcome.errorDescription.toStdString();
    EXPECT_TRUE(outcome.errorDescription.contains(QStringLiteral("com.example.daemon.plist")));
    EXPECT_TRUE(outcome.permissionDenied());
    EXPECT_EQ(TempTree::readFile(item), "protected");
    EXPECT_TRUE(entries(trashFolder / "files").empty());
    EXPECT_TRUE(entries(trashFolder / "info").empty());
}

TEST(FreedesktopTrash, AnUnusableTrashFolderFailsAndLeavesTheItemInPlace)
{
    TempTree tree;
    const fs::path item = tree.writeFile("Library/item.plist", "stays");
    tree.writeFile("NotAFolder", "a file where the Trash should be");

    const TrashOutcome outcome = FreedesktopTrash(tree.path("NotAFolder/Trash")).moveToTrash(item);

    EXPECT_FALSE(outcome.success);
    EXPECT_TRUE(outcome.errorDescription.contains(QStringLiteral("Not a directory")))
        << outcome.errorDescription.toStdString();
    // The Trash is at fault, not the item: no number that would call for administrator rights.
    EXPECT_EQ(outcome.errorNumber, 0);
    EXPECT_EQ(TempTree::readFile(item), "stays");
}

TEST(FreedesktopTrash, ReservationsHoldTheirNameUntilReleased)
{
    TempTree tree;
    const fs::path trashFolder = tree.path("Trash");
    const FreedesktopTrash trash(trashFolder);
    const fs::path item = tree.writeFile("Library/com.example.helper.plist", "x");

    const auto first = trash.reserve(item);
    const auto second = trash.reserve(item);
    ASSERT_TRUE(first && second);
    EXPECT_EQ(first->filesPath, trashFolder / "files/com.example.helper.plist");
    EXPECT_EQ(first->infoPath, trashFolder / "info/com.example.helper.plist.trashinfo");
    EXPECT_EQ(second->filesPath, trashFolder / "files/com.example.helper 2.plist");
    EXPECT_EQ(readTrashInfo(first->infoPath).path, item.native());
    EXPECT_FALSE(isThere(first->filesPath));

    trash.release(*first);
    EXPECT_FALSE(isThere(first->infoPath));
    EXPECT_TRUE(isThere(second->infoPath));
    const auto third = trash.reserve(item);
    ASSERT_TRUE(third);
    EXPECT_EQ(third->filesPath, first->filesPath);

    // An item that reached its reserved place keeps the info that lets it be put back.
    fs::rename(item, second->filesPath);
    trash.release(*second);
    EXPECT_TRUE(isThere(second->infoPath));

    // Relative paths are recorded as absolute ones.
    const fs::path previous = fs::current_path();
    fs::current_path(tree.path("Library"));
    tree.writeFile("Library/relative.txt", "r");
    const auto relative = trash.reserve("relative.txt");
    fs::current_path(previous);
    ASSERT_TRUE(relative);
    EXPECT_EQ(readTrashInfo(relative->infoPath).path, tree.path("Library/relative.txt").native());
}

TEST(FreedesktopTrash, HomeTrashFollowsXdgDataHomeOnlyForTheUsersOwnAbsoluteSetting)
{
    TempTree tree;
    const fs::path home = tree.makeFolder("home");
    {
        ScopedEnvironment ownHome("HOME", home.native() + "/");
        ScopedEnvironment dataHome("XDG_DATA_HOME", tree.path("data").native());
        EXPECT_EQ(FreedesktopTrash::homeTrashFor(home), tree.path("data/Trash"));
        EXPECT_EQ(FreedesktopTrash::homeTrashFor(tree.path("other")), tree.path("other/.local/share/Trash"));
    }
    {
        ScopedEnvironment ownHome("HOME", home.native());
        ScopedEnvironment dataHome("XDG_DATA_HOME", "relative/data");
        EXPECT_EQ(FreedesktopTrash::homeTrashFor(home), home / ".local/share/Trash");
    }
    {
        ScopedEnvironment ownHome("HOME", home.native());
        ScopedEnvironment dataHome("XDG_DATA_HOME", std::nullopt);
        EXPECT_EQ(FreedesktopTrash::homeTrashFor(home), home / ".local/share/Trash");
    }
}

#ifdef __linux__

namespace {

enum class Namespace { Unavailable, Ran };

// Runs `work` in a child process with a mount namespace of its own, so that mounts made there vanish with it.
// Unavailable where the system refuses such a namespace (for example in a container without the right).
std::pair<Namespace, std::string> inPrivateMountNamespace(const std::function<std::string()> &work)
{
    bool prepared = false;
    const auto output = runInChild(
        [] { return unshare(CLONE_NEWNS) == 0 && mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) == 0; },
        work, &prepared);
    if (!prepared)
        return {Namespace::Unavailable, {}};
    EXPECT_TRUE(output.has_value());
    return {Namespace::Ran, output.value_or(std::string())};
}

// A tree with the home Trash in it and a second mount: Volume shows the folder VolumeContents through a bind
// mount, which the system treats as another file system for renames. The mount exists only in the child.
class OtherFileSystem : public ::testing::Test {
protected:
    void SetUp() override
    {
        m_tree.makeFolder("VolumeContents/Library");
        m_tree.makeFolder("Volume");
        m_tree.writeFile("VolumeContents/Library/com.example.agent.plist", "on the other volume");
    }

    // Moves Volume/Library/com.example.agent.plist to the home Trash in a namespace with the volume mounted.
    std::optional<TrashOutcome> moveFromVolume()
    {
        const fs::path volume = m_tree.path("Volume");
        const fs::path contents = m_tree.path("VolumeContents");
        const fs::path home = homeTrash();
        const auto [status, text] = inPrivateMountNamespace([&] {
            if (mount(contents.c_str(), volume.c_str(), nullptr, MS_BIND, nullptr) != 0)
                return std::string("0\n\nbind mount failed");
            return serialised(FreedesktopTrash(home).moveToTrash(volume / "Library/com.example.agent.plist"));
        });
        if (status == Namespace::Unavailable)
            return std::nullopt;
        return deserialised(text);
    }

    fs::path homeTrash() const { return m_tree.path("home/Trash"); }
    fs::path onVolume(std::string_view relative) const { return m_tree.path("VolumeContents") / relative; }
    // Where a path inside the mounted volume is found without the mount.
    fs::path unmounted(const fs::path &path) const
    {
        return m_tree.path("VolumeContents") / path.lexically_relative(m_tree.path("Volume"));
    }
    std::string user() const { return std::to_string(geteuid()); }

    TempTree m_tree;
};

} // namespace

TEST_F(OtherFileSystem, AnItemOnAnotherFileSystemGoesToTheTrashAtTheTopOfThatFileSystem)
{
    const auto outcome = moveFromVolume();
    if (!outcome)
        GTEST_SKIP() << "no private mount namespace here";

    ASSERT_TRUE(outcome->success) << outcome->errorDescription.toStdString();
    const fs::path topTrash = onVolume(".Trash-" + user());
    EXPECT_EQ(unmounted(outcome->trashedPath), topTrash / "files/com.example.agent.plist");
    EXPECT_EQ(TempTree::readFile(topTrash / "files/com.example.agent.plist"), "on the other volume");
    EXPECT_FALSE(isThere(onVolume("Library/com.example.agent.plist")));
    EXPECT_EQ(modeOf(topTrash) & 0077, 0u);
    const RecordedTrashInfo info = readTrashInfo(topTrash / "info/com.example.agent.plist.trashinfo");
    EXPECT_EQ(info.path, "Library/com.example.agent.plist");
    EXPECT_TRUE(entries(homeTrash() / "files").empty());
    EXPECT_TRUE(entries(homeTrash() / "info").empty());
}

TEST_F(OtherFileSystem, AnAdministratorsSharedTrashWithTheStickyBitHoldsAFolderPerUser)
{
    const fs::path shared = m_tree.makeFolder("VolumeContents/.Trash");
    chmod(shared.c_str(), 01777);

    const auto outcome = moveFromVolume();
    if (!outcome)
        GTEST_SKIP() << "no private mount namespace here";

    ASSERT_TRUE(outcome->success) << outcome->errorDescription.toStdString();
    EXPECT_EQ(unmounted(outcome->trashedPath), shared / user() / "files/com.example.agent.plist");
    EXPECT_TRUE(isThere(shared / user() / "info/com.example.agent.plist.trashinfo"));
    EXPECT_FALSE(isThere(onVolume(".Trash-" + user())));
}

TEST_F(OtherFileSystem, ASharedTrashWithoutTheStickyBitIsNotUsed)
{
    const fs::path shared = m_tree.makeFolder("VolumeContents/.Trash");
    chmod(shared.c_str(), 0777);

    const auto outcome = moveFromVolume();
    if (!outcome)
        GTEST_SKIP() << "no private mount namespace here";

    ASSERT_TRUE(outcome->success) << outcome->errorDescription.toStdString();
    EXPECT_EQ(unmounted(outcome->trashedPath), onVolume(".Trash-" + user()) / "files/com.example.agent.plist");
    EXPECT_TRUE(entries(shared).empty());
}

TEST_F(OtherFileSystem, AUserTrashThatIsASymbolicLinkIsRefusedAndTheItemStays)
{
    m_tree.makeFolder("Elsewhere");
    m_tree.makeSymlink("VolumeContents/.Trash-" + user(), m_tree.path("Elsewhere").native());

    const auto outcome = moveFromVolume();
    if (!outcome)
        GTEST_SKIP() << "no private mount namespace here";

    EXPECT_FALSE(outcome->success);
    EXPECT_TRUE(outcome->errorDescription.contains(QStringLiteral("another file system")))
        << outcome->errorDescription.toStdString();
    EXPECT_EQ(TempTree::readFile(onVolume("Library/com.example.agent.plist")), "on the other volume");
    EXPECT_TRUE(entries(m_tree.path("Elsewhere")).empty());
    EXPECT_TRUE(entries(homeTrash() / "files").empty());
    EXPECT_TRUE(entries(homeTrash() / "info").empty());
}

TEST_F(OtherFileSystem, AUserTrashOwnedBySomebodyElseIsRefused)
{
    if (geteuid() != 0)
        GTEST_SKIP() << "needs to give a folder to another user";
    const fs::path foreign = m_tree.makeFolder("VolumeContents/.Trash-" + user());
    ASSERT_EQ(chown(foreign.c_str(), 65534, 65534), 0);
    chmod(foreign.c_str(), 0777);

    const auto outcome = moveFromVolume();
    if (!outcome)
        GTEST_SKIP() << "no private mount namespace here";

    EXPECT_FALSE(outcome->success);
    EXPECT_EQ(TempTree::readFile(onVolume("Library/com.example.agent.plist")), "on the other volume");
    EXPECT_TRUE(entries(foreign).empty());
}

#endif
