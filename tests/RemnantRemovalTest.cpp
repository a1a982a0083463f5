// SPDX-FileCopyrightText: 2026 The Leftscan developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "AdministratorPlatform.h"
#include "CoreApplication.h"
#include "QtPrinters.h"
#include "RacedScanner.h"
#include "RacingProcess.h"
#include "ReasonText.h"
#include "ScriptedAlerts.h"
#include "StandInSystemTrash.h"
#include "TempTree.h"
#include "TestProfiles.h"
#include "TrashInspection.h"
#include "TrashRaces.h"
#include "Unprivileged.h"
#include "identification/AppIdentifierService.h"
#include "identification/OwnerIdentifier.h"
#include "mac/MacOwnerResolver.h"
#include "mac/MacProfile.h"
#include "platform/FileTags.h"
#include "platform/PosixPlatform.h"
#include "platform/TrashInfo.h"
#include "platform/TrustedFolder.h"
#include "scanner/LocationScanner.h"
#include "scanner/RemnantScanner.h"
#include "scanner/RemovalGuard.h"
#include "scanner/TrashRestore.h"

#include <gtest/gtest.h>

#include <QSignalSpy>
#include <fcntl.h>
#include <fstream>
#include <functional>
#include <map>
#include <sys/stat.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

uid_t ownerOf(const fs::path &path)
{
    struct stat info {};
    lstat(path.c_str(), &info);
    return info.st_uid;
}

class RemovalTest : public ::testing::Test {
protected:
    RemovalTest()
    {
        coreApplication();
        m_tree.makeFolder("Users/me/Library/Caches");
    }

    // The items a listing of the caches folder finds, as a scan would make them.
    std::vector<RemnantItemPtr> listCaches(const Platform &platform)
    {
        const MacProfile profile = macProfileOver(platform);
        const MacOwnerResolver resolver(Inventory{}, platform, std::make_shared<AppIdentifierService>());
        const ScanLocation location{{m_tree.path("Users/me/Library/Caches")}, RemnantCategory::caches, false};
        LocationScanner::Result listing = LocationScanner::scanLocation(
            location, platform, profile, resolver, 365, [](int, int) {}, [](const std::vector<RemnantItemPtr> &) {});
        std::vector<RemnantItemPtr> items = std::move(listing.rest);
        std::sort(items.begin(), items.end(),
                  [](const RemnantItemPtr &a, const RemnantItemPtr &b) { return a->url() < b->url(); });
        return items;
    }

    fs::path trashFiles() const { return m_tree.path("Users/me/.local/share/Trash/files"); }
    fs::path home() const { return m_tree.path("Users/me"); }
    // Who owns the home, when the tests run as root: another user, as when the administrator cleans a user's home.
    static uid_t homeOwner() { return geteuid() == 0 ? UnprivilegedUser : geteuid(); }
    void giveHomeAway() const
    {
        lchown(home().c_str(), homeOwner(), homeOwner());
        for (const auto &entry : fs::recursive_directory_iterator(home()))
            lchown(entry.path().c_str(), homeOwner(), homeOwner());
    }

    // The failure reason of the one item of a background action.
    static QString backgroundFailure(RemnantScanner &scanner, const std::function<bool()> &start)
    {
        QSignalSpy finished(&scanner, &RemnantScanner::actionFinished);
        if (!start() || !finished.wait(120000))
            return QStringLiteral("no report");
        const auto report = finished.takeFirst().at(0).value<RemnantActionReport>();
        return report.failures.size() == 1 ? FailureText::of(report.failures.front().reason)
                                           : QStringLiteral("not one failure");
    }

    // Swaps the Caches folder for a symbolic link to the home, so that the path of a listed entry named Documents
    // names the user's own Documents folder; or puts it back.
    void swapCaches(bool swapped) const
    {
        const fs::path caches = m_tree.path("Users/me/Library/Caches");
        const fs::path aside = m_tree.path("Users/me/Library/Caches.aside");
        if (swapped) {
            fs::rename(caches, aside);
            fs::create_directory_symlink("..", caches);
        } else {
            fs::remove(caches);
            fs::rename(aside, caches);
        }
    }

    TempTree m_tree;
    ScriptedAlerts m_alerts;
    // The real platform, except that the administrator's command runs with sh.
    std::shared_ptr<AdministratorPlatform> m_platform =
        std::make_shared<AdministratorPlatform>(m_tree.root(), m_tree.path("Users/me"));
};

} // namespace

TEST_F(RemovalTest, WritableEntriesAndLinksMoveWithoutAQuestionAndAVanishedOneIsOnlyReported)
{
    m_tree.writeFile("Users/me/Library/Caches/qqvv.cache/data", "payload");
    m_tree.writeFile("Users/me/.local/share/Trash/files/qqvv.cache", "already in the Trash");
    m_tree.writeFile("Users/me/Documents/target.txt", "target");
    m_tree.makeSymlink("Users/me/Library/Caches/qqvv-link", "../../Documents/target.txt");
    m_tree.writeFile("Users/me/Library/Caches/qqvv-tagged", "x");
    RemnantScanner scanner(m_platform, std::make_shared<MacProfile>(m_platform), m_alerts);
    const auto items = listCaches(*m_platform);
    ASSERT_EQ(items.size(), 3U);

    for (const RemnantItemPtr &item : {items[0], items[2]}) {
        scanner.moveToTrash(item, ScanSession::Confirmation::byName);
        EXPECT_EQ(item->action(), RemnantAction::trashed()) << item->url();
        EXPECT_FALSE(isThere(item->url()));
    }
    EXPECT_TRUE(m_alerts.shown.isEmpty());
    EXPECT_EQ(TempTree::readFile(trashFiles() / "qqvv.cache"), "already in the Trash");
    EXPECT_EQ(TempTree::readFile(trashFiles() / "qqvv.cache 2" / "data"), "payload");
    EXPECT_TRUE(fs::is_symlink(trashFiles() / "qqvv-link"));
    EXPECT_EQ(TempTree::readFile(m_tree.path("Users/me/Documents/target.txt")), "target");

    // The same item again, as when a path is given twice: it is gone from its place, and no rights change that.
    items[2]->setAction(RemnantAction::none());
    m_alerts.answers = {QStringLiteral("Continue")};
    scanner.moveToTrash(items[2], ScanSession::Confirmation::byName);
    ASSERT_EQ(m_alerts.shown.size(), 1);
    EXPECT_EQ(m_alerts.shown[0].message, QStringLiteral("Error while deleting"));
    EXPECT_EQ(m_alerts.shown[0].informativeText,
              QStringLiteral("The file 'qqvv.cache' could not be moved to the Trash.\n\nError: It no longer exists"));
    EXPECT_EQ(m_alerts.shown[0].buttons, QStringList{QStringLiteral("OK")});
    EXPECT_EQ(items[2]->action(), RemnantAction::none());
    EXPECT_EQ(m_platform->commandRuns(), 0);

    // A tag replaces only the colour.
    if (FileTags::setTags(items[1]->url(), {QStringLiteral("Work"), QStringLiteral("Blue")}))
        GTEST_SKIP() << "the temporary folder keeps no user attributes";
    scanner.applyTag(items[1], FinderTagColor::green);
    EXPECT_EQ(FileTags::tags(items[1]->url()), QStringList({QStringLiteral("Work"), QStringLiteral("Green")}));
    EXPECT_EQ(items[1]->action(), RemnantAction::tagged(FinderTagColor::green));
}

TEST_F(RemovalTest, TheAdministratorCommandMovesOddNamesIntactAndNeverReplacesAnything)
{
    std::vector<std::string> names = awkwardNames();
    for (const std::string &name : names)
        m_tree.writeFile("Users/me/Library/Caches/" + name, "content of " + name);
    names.push_back("it's a \"folder\" $(touch pwned)");
    m_tree.writeFile("Users/me/Library/Caches/" + names.back() + "/inside", "content of " + names.back());
    m_tree.writeFile("Users/me/.local/share/Trash/files/O'Brien Tool", "older item");
    m_platform->trashRefuses = true;
    RemnantScanner scanner(m_platform, std::make_shared<MacProfile>(m_platform), m_alerts);
    const auto items = listCaches(*m_platform);
    ASSERT_EQ(items.size(), names.size());

    for (const RemnantItemPtr &item : items) {
        m_alerts.answers = {QStringLiteral("Continue")};
        scanner.moveToTrash(item, ScanSession::Confirmation::byName);
        EXPECT_EQ(item->action(), RemnantAction::trashed()) << item->url();
        EXPECT_FALSE(isThere(item->url())) << item->url();
    }
    EXPECT_EQ(m_alerts.shown.size(), qsizetype(names.size()));
    EXPECT_EQ(m_alerts.shown[0].message, QStringLiteral("Admin rights required"));
    EXPECT_EQ(TempTree::readFile(trashFiles() / "O'Brien Tool"), "older item");
    // Every item in the Trash, with the path it came from.
    std::map<std::string, std::string> moved;
    for (const auto &entry : fs::directory_iterator(trashFiles().parent_path() / "info")) {
        const fs::path file = trashFiles() / entry.path().stem();
        moved[readTrashInfo(entry.path()).path] = TempTree::readFile(fs::is_directory(file) ? file / "inside" : file);
    }
    EXPECT_EQ(moved.size(), names.size());
    for (const std::string &name : names)
        EXPECT_EQ(moved[m_tree.path("Users/me/Library/Caches/" + name).native()], "content of " + name) << name;
    EXPECT_FALSE(fs::exists("pwned"));
    EXPECT_FALSE(anythingNamed(m_tree.root(), "pwned"));
}

TEST_F(RemovalTest, AdministratorFailuresKeepTheItemAndExplainWithTheSettingsOfTheMacOnlyOnAMac)
{
    m_tree.writeFile("Users/me/Library/Caches/qqvv", "x");
    m_platform->trashRefuses = true;
    m_platform->macOS = true;
    RemnantScanner scanner(m_platform, std::make_shared<MacProfile>(m_platform), m_alerts);
    const RemnantItemPtr item = listCaches(*m_platform).front();
    const QString refused =
        QStringLiteral("System Settings > Privacy & Security > Automation: allow Leftscan to control System Events.");

    // Control of System Events refused: the text begins and ends with the same advice.
    m_platform->scriptedOutcome = ScriptOutcome{false, -1743, QStringLiteral("Not authorised (-1743)")};
    m_alerts.answers = {QStringLiteral("Continue"), QStringLiteral("Open Settings")};
    scanner.moveToTrash(item, ScanSession::Confirmation::byName);
    ASSERT_EQ(m_alerts.shown.size(), 2);
    EXPECT_EQ(m_alerts.shown[1].message, QStringLiteral("Error while deleting"));
    EXPECT_TRUE(m_alerts.shown[1].informativeText.startsWith(refused));
    EXPECT_TRUE(m_alerts.shown[1].informativeText.endsWith(QStringLiteral("Error: ") + refused));
    EXPECT_EQ(m_alerts.openedLinks, QStringList{QString::fromLatin1(RemnantScanner::FullDiskAccessLink)});

    // A command that reports success while the item is still there has failed.
    m_platform->scriptedOutcome = ScriptOutcome{true, std::nullopt, QString()};
    m_alerts.answers = {QStringLiteral("Continue")};
    scanner.moveToTrash(item, ScanSession::Confirmation::byName);
    EXPECT_TRUE(m_alerts.shown.last().informativeText.endsWith(QStringLiteral("Error: Operation not permitted")));

    // "Open Settings" and "Cancel" change nothing.
    m_alerts.answers = {QStringLiteral("Open Settings")};
    scanner.moveToTrash(item, ScanSession::Confirmation::byName);
    EXPECT_EQ(m_alerts.openedLinks.last(), QString::fromLatin1(RemnantScanner::AutomationLink));

    // Elsewhere neither alert speaks of the Mac's settings.
    m_platform->macOS = false;
    m_alerts.answers = {QStringLiteral("Continue")};
    scanner.moveToTrash(item, ScanSession::Confirmation::byName);
    const qsizetype shown = m_alerts.shown.size();
    EXPECT_EQ(m_alerts.shown[shown - 2].buttons, (QStringList{QStringLiteral("Continue"), QStringLiteral("Cancel")}));
    EXPECT_EQ(m_alerts.shown[shown - 1].message, QStringLiteral("Error while deleting"));
    EXPECT_EQ(
        m_alerts.shown[shown - 1].informativeText,
        QStringLiteral("The file 'qqvv' could not be moved to the Trash.\n\nError: It is still in its place after "
                       "the administrator command"));
    EXPECT_EQ(m_alerts.shown[shown - 1].buttons, QStringList{QStringLiteral("OK")});
    m_alerts.answers = {QStringLiteral("Cancel")};
    scanner.moveToTrash(item, ScanSession::Confirmation::byName);
    EXPECT_EQ(m_alerts.shown.size(), shown + 1);
    EXPECT_EQ(item->action(), RemnantAction::none());
    EXPECT_TRUE(fs::exists(m_tree.path("Users/me/Library/Caches/qqvv")));
    EXPECT_TRUE(fs::is_empty(trashFiles()));
    EXPECT_TRUE(fs::is_empty(m_tree.path("Users/me/.local/share/Trash/info")));
}

TEST_F(RemovalTest, ALinkPlantedAboveAListedEntryStopsEveryActionOnIt)
{
    m_tree.writeFile("Users/me/Library/Caches/Documents/old", "cache");
    m_tree.writeFile("Users/me/Documents/precious.txt", "keep");
    RemnantScanner scanner(m_platform, std::make_shared<MacProfile>(m_platform), m_alerts);
    const RemnantItemPtr item = listCaches(*m_platform).front();
    swapCaches(true);
    const QString refused = QStringLiteral("It is not in a Library folder that a scan lists");

    scanner.moveToTrash(item, ScanSession::Confirmation::byName);
    ASSERT_EQ(m_alerts.shown.size(), 1);
    EXPECT_EQ(m_alerts.shown[0].informativeText,
              QStringLiteral("The file 'Documents' could not be moved to the Trash.\n\nError: ") + refused);
    EXPECT_EQ(reasonText(scanner.applyTag(item, FinderTagColor::red)), refused);
    const AdministratorTrash::Outcome outcome = scanner.moveToTrashWithAdminRights(item);
    EXPECT_FALSE(outcome.success);
    EXPECT_EQ(reasonText(outcome.refusal), refused);
    EXPECT_EQ(backgroundFailure(scanner, [&] { return scanner.moveToTrashInBackground({item}, {item}); }), refused);
    EXPECT_EQ(backgroundFailure(scanner, [&] { return scanner.applyTagInBackground({item}, FinderTagColor::blue); }),
              refused);

    EXPECT_EQ(m_alerts.shown.size(), 1);
    EXPECT_EQ(m_platform->commandRuns(), 0);
    EXPECT_EQ(item->action(), RemnantAction::none());
    EXPECT_EQ(TempTree::readFile(m_tree.path("Users/me/Documents/precious.txt")), "keep");
    EXPECT_TRUE(FileTags::tags(m_tree.path("Users/me/Documents")).isEmpty());
    EXPECT_FALSE(isThere(m_tree.path("Users/me/.local/share/Trash")));
}

namespace {

// Answers every alert with Continue; the question for administrator rights only after running `whileAsked`.
class AlertsThatActWhileAsked : public ScriptedAlerts {
public:
    explicit AlertsThatActWhileAsked(std::function<void()> whileAsked)
        : m_whileAsked(std::move(whileAsked))
    {}

    int choose(const AlertText &text) override
    {
        if (text.message == QStringLiteral("Admin rights required"))
            m_whileAsked();
        answers = {QStringLiteral("Continue")};
        return ScriptedAlerts::choose(text);
    }

private:
    std::function<void()> m_whileAsked;
};

} // namespace

TEST_F(RemovalTest, ALinkPlantedWhileTheAdministratorQuestionIsOpenStopsThePrivilegedMove)
{
    m_tree.writeFile("Users/me/Library/Caches/Documents/old", "cache");
    m_tree.writeFile("Users/me/Documents/precious.txt", "keep");
    m_platform->trashRefuses = true;
    AlertsThatActWhileAsked alerts([&] { swapCaches(true); });
    RemnantScanner scanner(m_platform, std::make_shared<MacProfile>(m_platform), alerts);
    const RemnantItemPtr item = listCaches(*m_platform).front();
    const QString refused = QStringLiteral("It is not in a Library folder that a scan lists");

    scanner.moveToTrash(item, ScanSession::Confirmation::byName);
    ASSERT_EQ(alerts.shown.size(), 2);
    EXPECT_EQ(alerts.shown[1].informativeText,
              QStringLiteral("The file 'Documents' could not be moved to the Trash.\n\nError: ") + refused);

    swapCaches(false);
    EXPECT_EQ(backgroundFailure(scanner, [&] { return scanner.moveToTrashInBackground({item}, {item}); }), refused);
    EXPECT_EQ(alerts.shown.size(), 3);

    EXPECT_EQ(m_platform->commandRuns(), 0);
    EXPECT_EQ(item->action(), RemnantAction::none());
    EXPECT_EQ(TempTree::readFile(m_tree.path("Users/me/Documents/precious.txt")), "keep");
    EXPECT_FALSE(isThere(m_tree.path("Users/me/.local/share/Trash/files/Documents")));
}

TEST(RemovalGuard, RefusesWhatIsOrHoldsTheHomeTheRootTheirLibrariesALocationOrAnApplication)
{
    TempTree tree;
    tree.writeFile("Users/me/Library/Caches/qqvv");
    tree.makeBundle("Users/me/Library/Caches/holder/Tool.app", "org.qqvv.tool");
    tree.makeSymlink("Users/me/Library/Caches/home-link", "../..");
    tree.writeFile("Users/me/Documents/precious.txt");
    tree.writeFile("Library/LaunchDaemons/org.qqvv.plist");
    // Others may write the caches folder, so that no link in it is followed, whoever runs the test.
    chmod(tree.path("Users/me/Library/Caches").c_str(), 0775);
    PosixPlatform platform(tree.root(), tree.path("Users/me"));
    grantFullDiskAccess(platform, tree.root());
    const fs::path bundle = tree.path("Users/me/Library/Caches/holder/Tool.app");
    const RemovalGuard guard(platform, macProfileOver(platform), {bundle});
    const QString caches = QString::fromStdString(tree.path("Users/me/Library/Caches").native());
    const QString daemons = QString::fromStdString(tree.path("Library/LaunchDaemons").native());
    const QString application = QString::fromStdString(bundle.native());

    const std::vector<std::pair<std::string, QString>> cases = {
        {"Users/me/Library/Caches/qqvv", QString()},
        {"Users/me/Library/Caches/home-link", QString()}, // the link itself, never its target
        {"Library/LaunchDaemons/org.qqvv.plist", QString()},
        {"Users/me/Library/Caches/holder", QStringLiteral("It holds the application ") + application},
        {"Users/me/Library/Caches/holder/Tool.app", QStringLiteral("It is the application ") + application},
        {"Users/me", QStringLiteral("It is the home folder")},
        {"Users", QStringLiteral("It holds the home folder")},
        {"", QStringLiteral("It holds the home folder")},
        {"Users/me/Library", QStringLiteral("It is the Library folder of the home")},
        {"Users/me/Library/Caches", QStringLiteral("It is the scanned folder ") + caches},
        {"Library/LaunchDaemons", QStringLiteral("It is the scanned folder ") + daemons},
        {"Library", QStringLiteral("It is the Library folder of the root")},
        {"Users/me/Library/Caches/home-link/Documents",
         QStringLiteral("It is not in a Library folder that a scan lists")},
        {"Users/me/Library/Caches/home-link/Library",
         QStringLiteral("It is not in a Library folder that a scan lists")},
        {"Users/me/Library/Gone/qqvv", QStringLiteral("It no longer exists")},
    };
    for (const auto &[relative, reason] : cases)
        EXPECT_EQ(reasonText(guard.refusal(tree.path(relative))), reason) << relative;
}

TEST_F(RemovalTest, TheHomeTrashBelongsToTheHomesOwnerAndALinkOnTheWayToItIsNeverFollowed)
{
    const fs::path original = m_tree.path("Users/me/Library/Caches/qqvv");
    const std::string info = TrashInfo{original.native(), "2024-01-01T00:00:00"}.text();
    // Somebody else's folder shaped like a home Trash, with an item of its own that claims the same place.
    const fs::path outside = m_tree.path("outside");
    m_tree.writeFile("outside/.local/share/Trash/files/qqvv", "outside");
    m_tree.writeFile("outside/.local/share/Trash/info/qqvv.trashinfo", info);
    const auto before = treeListing(outside);
    m_tree.writeFile("Users/me/Library/Caches/qqvv-first", "first");
    m_tree.writeFile("Users/me/Library/Caches/qqvv-second", "second");
    giveHomeAway();
    RemnantScanner scanner(m_platform, std::make_shared<MacProfile>(m_platform), m_alerts);
    const auto items = listCaches(*m_platform);
    ASSERT_EQ(items.size(), 2U);

    scanner.moveToTrash(items[0], ScanSession::Confirmation::byName);
    ASSERT_EQ(items[0]->action(), RemnantAction::trashed());
    for (const char *made : {".local", ".local/share", ".local/share/Trash", ".local/share/Trash/files",
                             ".local/share/Trash/info", ".local/share/Trash/info/qqvv-first.trashinfo"})
        EXPECT_EQ(ownerOf(home() / made), homeOwner()) << made;

    const auto linked = [&](const char *folder) {
        return [&, folder] {
            fs::remove_all(home() / folder);
            fs::create_directory_symlink(outside / folder, home() / folder);
            lchown((home() / folder).c_str(), homeOwner(), homeOwner());
        };
    };
    std::vector<std::pair<std::string, std::function<void()>>> cases = {
        {".local a link", linked(".local")},
        {".local/share a link", linked(".local/share")},
        {"Trash a link", linked(".local/share/Trash")},
        {"files a link", linked(".local/share/Trash/files")},
        {"info a link", linked(".local/share/Trash/info")},
        {"Trash open to everybody",
         [&] {
             chmod((home() / ".local/share/Trash").c_str(), 0777);
         }},
    };
    if (geteuid() == 0)
        cases.emplace_back("files of another user", [&] { lchown(trashFiles().c_str(), 0, 0); });
    for (const auto &[what, change] : cases) {
        SCOPED_TRACE(what);
        fs::remove_all(home() / ".local");
        m_tree.writeFile("Users/me/.local/share/Trash/files/qqvv", "mine");
        m_tree.writeFile("Users/me/.local/share/Trash/info/qqvv.trashinfo", info);
        giveHomeAway();
        change();

        scanner.moveToTrash(items[1], ScanSession::Confirmation::byName);
        EXPECT_EQ(items[1]->action(), RemnantAction::none());
        EXPECT_EQ(TempTree::readFile(items[1]->url()), "second");
        const RestoreOutcome restored = TrashRestore::restore(
            *m_platform, RemovalGuard(*m_platform, MacProfile(m_platform), {}), trashFiles() / "qqvv", original);
        EXPECT_FALSE(restored.success);
        EXPECT_FALSE(isThere(original));
        EXPECT_EQ(treeListing(outside), before);
    }
}

TEST_F(RemovalTest, OnTheSystemsOwnTrashAFolderOrItemSwappedSinceTheCheckStopsTheMove)
{
    m_tree.writeFile("Users/me/Library/Caches/qqvv", "inside");
    m_tree.writeFile("outside/qqvv", "outside");
    StandInSystemTrash system(m_tree.path("Users/me/.Trash"));
    m_platform->systemTrashStandIn = &system;
    const fs::path item = m_tree.path("Users/me/Library/Caches/qqvv");
    const RemovalGuard guard(*m_platform, MacProfile(m_platform), {});
    std::shared_ptr<const TrustedFolder> folder;
    ASSERT_FALSE(guard.refusal(item, &folder));

    // The folder the guard holds is swapped for a link before the system's call, which takes a path.
    const fs::path caches = m_tree.path("Users/me/Library/Caches");
    fs::rename(caches, m_tree.path("Users/me/Library/Caches.aside"));
    fs::create_directory_symlink(m_tree.path("outside"), caches);
    const TrashOutcome swapped = m_platform->moveToTrash(item, *folder);
    EXPECT_FALSE(swapped.success);
    EXPECT_EQ(swapped.reason, QStringLiteral("Its folder was moved or replaced since it was checked"));
    fs::remove(caches);
    fs::rename(m_tree.path("Users/me/Library/Caches.aside"), caches);

    // The item is swapped for another while the system moves it: the other goes back, and the move fails.
    system.beforeMove = [&] {
        fs::rename(item, caches / "qqvv.listed");
        m_tree.writeFile("Users/me/Library/Caches/qqvv", "another");
    };
    const TrashOutcome replaced = m_platform->moveToTrash(item, *folder);
    EXPECT_FALSE(replaced.success);
    EXPECT_EQ(replaced.reason, QStringLiteral("Another item took its place while it was moved"));
    EXPECT_EQ(TempTree::readFile(item), "another");
    EXPECT_EQ(TempTree::readFile(caches / "qqvv.listed"), "inside");
    EXPECT_EQ(TempTree::readFile(m_tree.path("outside/qqvv")), "outside");
    EXPECT_TRUE(fs::is_empty(m_tree.path("Users/me/.Trash")));
}

TEST_F(RemovalTest, OnAMacTheAdministratorsMoveGoesToTheFindersTrashUnderAFreeNameAndComesBackFromThere)
{
    m_tree.writeFile("Users/me/Library/Caches/qqvv", "listed");
    m_tree.writeFile("Users/me/Library/Caches/qqvv-raced", "raced");
    m_tree.writeFile("Users/me/.Trash/qqvv", "older");
    StandInSystemTrash system(m_tree.path("Users/me/.Trash"));
    m_platform->systemTrashStandIn = &system;
    m_platform->trashRefuses = true;
    m_platform->macOS = true;
    RemnantScanner scanner(m_platform, std::make_shared<MacProfile>(m_platform), m_alerts);
    const auto items = listCaches(*m_platform);
    ASSERT_EQ(items.size(), 2U);

    m_alerts.answers = {QStringLiteral("Continue")};
    scanner.moveToTrash(items[0], ScanSession::Confirmation::byName);
    EXPECT_EQ(items[0]->action(), RemnantAction::trashed());
    const fs::path moved = m_tree.path("Users/me/.Trash/qqvv 2");
    EXPECT_EQ(TempTree::readFile(moved), "listed");
    EXPECT_EQ(TempTree::readFile(m_tree.path("Users/me/.Trash/qqvv")), "older");
    EXPECT_FALSE(isThere(m_tree.path("Users/me/.local")));
    const RestoreOutcome back =
        m_platform->restoreFromTrash(moved, items[0]->url(), *m_platform->holdFolder(items[0]->url().parent_path()));
    EXPECT_TRUE(back.success) << back.errorDescription.toStdString();
    EXPECT_EQ(TempTree::readFile(items[0]->url()), "listed");

    // The name chosen in the Trash is taken before the helper runs: the move fails, and nothing is replaced.
    const auto slot = m_platform->reserveTrashSlot(items[1]->url());
    ASSERT_TRUE(slot);
    m_tree.writeFile("Users/me/.Trash/qqvv-raced", "came first");
    const auto folder = m_platform->holdFolder(items[1]->url().parent_path());
    EXPECT_FALSE(m_platform->moveToTrashAsAdministrator({{items[1]->url(), folder->path(), *slot}}).success);
    EXPECT_EQ(TempTree::readFile(items[1]->url()), "raced");
    EXPECT_EQ(TempTree::readFile(slot->destination), "came first");
}

TEST(OtherUsersRace, RenamingALinkOfRootsDuringAMoveOrAPrivilegedMoveNeverLetsItReachWhereTheLinkLeads)
{
    if (geteuid() != 0)
        GTEST_SKIP() << "only root can leave a link in the home of another user";
    coreApplication();
    TrashRaces races;
    const RacedScanner raced(races);
    const RemnantItemPtr item = races.listedItem(*raced.platform);
    ASSERT_TRUE(item);

    ASSERT_TRUE(races.ownerCanSwap());
    const RacingProcess swapping(races.homeOwner(), [&] { races.swapCaches(); });
    ASSERT_TRUE(swapping.isRunning());
    EXPECT_TRUE(races.trashOver(*raced.scanner, item));
    EXPECT_TRUE(races.trashHoldsOnlyWhatWasInside());
}

TEST(OtherUsersRace, RenamingALinkOfRootsWhileAnItemIsPutBackNeverLetsItReachWhereTheLinkLeads)
{
    if (geteuid() != 0)
        GTEST_SKIP() << "only root can leave a link in the home of another user";
    coreApplication();
    TrashRaces races;
    const RacedScanner raced(races);
    ASSERT_TRUE(races.trashOnce(*raced.scanner, *raced.platform));

    ASSERT_TRUE(races.ownerCanSwap());
    const RacingProcess swapping(races.homeOwner(), [&] { races.swapCaches(); });
    ASSERT_TRUE(swapping.isRunning());
    EXPECT_TRUE(races.restoreOver(*raced.platform));
    EXPECT_EQ(TempTree::readFile(races.trashedItem()), "inside");
}
