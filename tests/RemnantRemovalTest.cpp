#include "AdministratorPlatform.h"
#include "CoreApplication.h"
#include "QtPrinters.h"
#include "ScriptedAlerts.h"
#include "TempTree.h"
#include "TrashInspection.h"
#include "identification/AppIdentifierService.h"
#include "identification/OwnerIdentifier.h"
#include "platform/FileTags.h"
#include "platform/PosixPlatform.h"
#include "scanner/LocationScanner.h"
#include "scanner/RemnantScanner.h"
#include "scanner/RemovalGuard.h"

#include <gtest/gtest.h>

#include <QSignalSpy>
#include <functional>
#include <map>

namespace fs = std::filesystem;

namespace {

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
        const OwnerIdentifier identifier(Inventory{}, platform);
        AppIdentifierService service;
        const ScanLocation location{{m_tree.path("Users/me/Library/Caches")}, RemnantCategory::caches, false};
        LocationScanner::Result listing = LocationScanner::scanLocation(
            location, platform, identifier, service, 365, [](int, int) {}, [](const std::vector<RemnantItemPtr> &) {});
        std::vector<RemnantItemPtr> items = std::move(listing.rest);
        std::sort(items.begin(), items.end(),
                  [](const RemnantItemPtr &a, const RemnantItemPtr &b) { return a->url() < b->url(); });
        return items;
    }

    fs::path trashFiles() const { return m_tree.path("Users/me/.local/share/Trash/files"); }

    // The failure reason of the one item of a background action.
    static QString backgroundFailure(RemnantScanner &scanner, const std::function<bool()> &start)
    {
        QSignalSpy finished(&scanner, &RemnantScanner::actionFinished);
        if (!start() || !finished.wait(120000))
            return QStringLiteral("no report");
        const auto report = finished.takeFirst().at(0).value<RemnantActionReport>();
        return report.failures.size() == 1 ? report.failures.front().reason : QStringLiteral("not one failure");
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
    RemnantScanner scanner(m_platform, m_alerts);
    const auto items = listCaches(*m_platform);
    ASSERT_EQ(items.size(), 3U);

    for (const RemnantItemPtr &item : {items[0], items[2]}) {
        scanner.moveToTrash(item);
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
    scanner.moveToTrash(items[2]);
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
    RemnantScanner scanner(m_platform, m_alerts);
    const auto items = listCaches(*m_platform);
    ASSERT_EQ(items.size(), names.size());

    for (const RemnantItemPtr &item : items) {
        m_alerts.answers = {QStringLiteral("Continue")};
        scanner.moveToTrash(item);
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
    RemnantScanner scanner(m_platform, m_alerts);
    const RemnantItemPtr item = listCaches(*m_platform).front();
    const QString refused =
        QStringLiteral("System Settings > Privacy & Security > Automation: allow Leftscan to control System Events.");

    // Control of System Events refused: the text begins and ends with the same advice.
    m_platform->scriptedOutcome = ScriptOutcome{false, -1743, QStringLiteral("Not authorised (-1743)")};
    m_alerts.answers = {QStringLiteral("Continue"), QStringLiteral("Open Settings")};
    scanner.moveToTrash(item);
    ASSERT_EQ(m_alerts.shown.size(), 2);
    EXPECT_EQ(m_alerts.shown[1].message, QStringLiteral("Error while deleting"));
    EXPECT_TRUE(m_alerts.shown[1].informativeText.startsWith(refused));
    EXPECT_TRUE(m_alerts.shown[1].informativeText.endsWith(QStringLiteral("Error: ") + refused));
    EXPECT_EQ(m_alerts.openedLinks, QStringList{QString::fromLatin1(RemnantScanner::FullDiskAccessLink)});

    // A command that reports success while the item is still there has failed.
    m_platform->scriptedOutcome = ScriptOutcome{true, std::nullopt, QString()};
    m_alerts.answers = {QStringLiteral("Continue")};
    scanner.moveToTrash(item);
    EXPECT_TRUE(m_alerts.shown.last().informativeText.endsWith(QStringLiteral("Error: Operation not permitted")));

    // "Open Settings" and "Cancel" change nothing.
    m_alerts.answers = {QStringLiteral("Open Settings")};
    scanner.moveToTrash(item);
    EXPECT_EQ(m_alerts.openedLinks.last(), QString::fromLatin1(RemnantScanner::AutomationLink));

    // Elsewhere neither alert speaks of the Mac's settings.
    m_platform->macOS = false;
    m_alerts.answers = {QStringLiteral("Continue")};
    scanner.moveToTrash(item);
    const qsizetype shown = m_alerts.shown.size();
    EXPECT_EQ(m_alerts.shown[shown - 2].buttons, (QStringList{QStringLiteral("Continue"), QStringLiteral("Cancel")}));
    EXPECT_EQ(m_alerts.shown[shown - 1].message, QStringLiteral("Error while deleting"));
    EXPECT_EQ(m_alerts.shown[shown - 1].informativeText,
              QStringLiteral("The file 'qqvv' could not be moved to the Trash.\n\nError: Operation not permitted"));
    EXPECT_EQ(m_alerts.shown[shown - 1].buttons, QStringList{QStringLiteral("OK")});
    m_alerts.answers = {QStringLiteral("Cancel")};
    scanner.moveToTrash(item);
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
    RemnantScanner scanner(m_platform, m_alerts);
    const RemnantItemPtr item = listCaches(*m_platform).front();
    swapCaches(true);
    const QString refused = QStringLiteral("It is not in a Library folder that a scan lists");

    scanner.moveToTrash(item);
    ASSERT_EQ(m_alerts.shown.size(), 1);
    EXPECT_EQ(m_alerts.shown[0].informativeText,
              QStringLiteral("The file 'Documents' could not be moved to the Trash.\n\nError: ") + refused);
    EXPECT_EQ(scanner.applyTag(item, FinderTagColor::red), refused);
    const ScriptOutcome outcome = scanner.moveToTrashWithAdminRights(item);
    EXPECT_FALSE(outcome.success);
    EXPECT_EQ(outcome.description, refused);
    EXPECT_EQ(backgroundFailure(scanner, [&] { return scanner.moveToTrashInBackground({item}); }), refused);
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

    int runModal(const Alert &alert) override
    {
        if (alert.message == QStringLiteral("Admin rights required"))
            m_whileAsked();
        answers = {QStringLiteral("Continue")};
        return ScriptedAlerts::runModal(alert);
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
    RemnantScanner scanner(m_platform, alerts);
    const RemnantItemPtr item = listCaches(*m_platform).front();
    const QString refused = QStringLiteral("It is not in a Library folder that a scan lists");

    scanner.moveToTrash(item);
    ASSERT_EQ(alerts.shown.size(), 2);
    EXPECT_EQ(alerts.shown[1].informativeText,
              QStringLiteral("The file 'Documents' could not be moved to the Trash.\n\nError: ") + refused);

    swapCaches(false);
    EXPECT_EQ(backgroundFailure(scanner, [&] { return scanner.moveToTrashInBackground({item}); }), refused);
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
    const PosixPlatform platform(tree.root(), tree.path("Users/me"));
    const fs::path bundle = tree.path("Users/me/Library/Caches/holder/Tool.app");
    const RemovalGuard guard(platform, {bundle});
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
        {"Users/me/Library/Caches/home-link/Library", QStringLiteral("It is the Library folder of the home")},
        {"Users/me/Library/Gone/qqvv", QStringLiteral("It no longer exists")},
    };
    for (const auto &[relative, reason] : cases)
        EXPECT_EQ(guard.refusal(tree.path(relative)).value_or(QString()), reason) << relative;
}
