// SPDX-FileCopyrightText: 2026 The Leftscan developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "scanner/RemnantScanner.h"
#include "AdministratorPlatform.h"
#include "CoreApplication.h"
#include "GatedSizesPlatform.h"
#include "LogCapture.h"
#include "QtPrinters.h"
#include "ScriptedAlerts.h"
#include "TempTree.h"
#include "TestProfiles.h"
#include "Unprivileged.h"
#include "mac/MacProfile.h"
#include "model/Clock.h"
#include "platform/PathNames.h"
#include "platform/PosixPlatform.h"
#include "ui/ScanWarningText.h"

#include <gtest/gtest.h>

#include <QSignalSpy>
#include <QTest>
#include <algorithm>
#include <atomic>
#include <fstream>
#include <map>
#include <mutex>
#include <random>
#include <set>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

class ScannerTest : public ::testing::Test {
protected:
    ScannerTest()
    {
        coreApplication();
        m_tree.makeFolder("Users/me/Library");
    }

    // Without sizes on disk unless asked for: sizes arrive after the scan, and these figures are the listing's.
    std::unique_ptr<RemnantScanner> makeScanner(std::shared_ptr<const Platform> platform = {}, bool sizes = false)
    {
        if (!platform) {
            auto posix = std::make_shared<PosixPlatform>(m_tree.root(), m_tree.path("Users/me"));
            grantFullDiskAccess(*posix, m_tree.root());
            platform = std::move(posix);
        }
        auto profile = std::make_shared<MacProfile>(platform);
        auto scanner = std::make_unique<RemnantScanner>(std::move(platform), std::move(profile), m_alerts);
        scanner->setMeasuresSizes(sizes);
        return scanner;
    }

    // Runs one scan to its end (or refusal) in the event loop.
    static void runScan(RemnantScanner &scanner)
    {
        QSignalSpy finished(&scanner, &RemnantScanner::scanFinished);
        scanner.scan();
        if (scanner.isScanning()) {
            ASSERT_TRUE(finished.wait(120000));
        }
    }

    // Runs one scan and waits for the sizes of what it found.
    static void runScanWithSizes(RemnantScanner &scanner)
    {
        QSignalSpy measured(&scanner, &RemnantScanner::sizesMeasured);
        runScan(scanner);
        if (measured.isEmpty()) {
            ASSERT_TRUE(measured.wait(120000));
        }
        EXPECT_FALSE(scanner.isMeasuringSizes());
    }

    // What a scan found, in its order: name, status and size of every record.
    static QStringList results(const RemnantScanner &scanner)
    {
        QStringList lines;
        for (const RemnantItemPtr &item : scanner.remnants())
            lines.append(QStringLiteral("%1 %2 %3")
                             .arg(QString::fromStdString(item->url().filename().native()))
                             .arg(int(item->status()))
                             .arg(item->fileSize()));
        return lines;
    }

    static bool inScanOrder(const QList<RemnantItemPtr> &items)
    {
        return std::is_sorted(items.begin(), items.end(), [](const RemnantItemPtr &a, const RemnantItemPtr &b) {
            const bool aOrphan = a->status() == RemnantStatus::orphan;
            const bool bOrphan = b->status() == RemnantStatus::orphan;
            return aOrphan != bOrphan ? aOrphan : a->fileSize() > b->fileSize();
        });
    }

    static QStringList names(const QList<RemnantItemPtr> &items)
    {
        QStringList result;
        for (const RemnantItemPtr &item : items)
            result.append(QString::fromStdString(item->url().filename().native()));
        return result;
    }

    void makeSized(const std::string &relative, off_t size, long long modified)
    {
        m_tree.writeFile(relative);
        ASSERT_EQ(truncate(m_tree.path(relative).c_str(), size), 0);
        m_tree.setTimes(relative, modified, modified);
    }

    TempTree m_tree;
    ScriptedAlerts m_alerts;
    LogCapture m_log;
};

const long long Old = 1500000000; // 2017

constexpr int MaximumOperations = 20000;
constexpr std::size_t MaximumEntriesPerFolder = 30;

// Another thread's changes to the Library folders and /Applications of a tree while scans run: entries and
// application bundles made, renamed, rewritten half-way and deleted, each new name never used before. Every path
// it ever made is remembered. It stops when asked or after MaximumOperations.
class Churn {
public:
    // The folders the churn changes, in the order of libraryFolders(), then /Applications.
    enum Folder : std::size_t { Caches, Preferences, ApplicationSupport, LaunchAgents, Applications };

    // The Library folders below the tree's root that the churn changes, with their category.
    static const std::vector<std::pair<std::string, RemnantCategory>> &libraryFolders()
    {
        static const std::vector<std::pair<std::string, RemnantCategory>> folders{
            {"Users/me/Library/Caches", RemnantCategory::caches},
            {"Users/me/Library/Preferences", RemnantCategory::preferences},
            {"Users/me/Library/Application Support", RemnantCategory::applicationSupport},
            {"Users/me/Library/LaunchAgents", RemnantCategory::launchAgents}};
        return folders;
    }

    explicit Churn(const TempTree &tree)
    {
        for (const auto &[folder, category] : libraryFolders())
            m_folders.push_back(tree.makeFolder(folder));
        m_folders.push_back(tree.makeFolder("Applications"));
        m_entries.resize(m_folders.size());
        std::mt19937 random(1);
        for (std::size_t folder = 0; folder < m_folders.size(); ++folder) {
            for (int i = 0; i < 6; ++i)
                create(folder, random);
        }
    }

    ~Churn() { stop(); }

    void start()
    {
        m_thread = std::thread([this] { run(); });
    }

    void stop()
    {
        m_stop = true;
        if (m_thread.joinable())
            m_thread.join();
    }

    bool wasCreated(const fs::path &path) const
    {
        std::lock_guard lock(m_mutex);
        return m_created.contains(path);
    }

    int operations() const { return m_operations; }
    const std::string &failure() const { return m_failure; }

private:
    void run()
    {
        std::mt19937 random(2);
        try {
            while (!m_stop && m_operations < MaximumOperations) {
                step(random);
                ++m_operations;
                std::this_thread::yield();
            }
        } catch (const std::exception &error) {
            m_failure = error.what();
        }
    }

    void step(std::mt19937 &random)
    {
        const std::size_t folder = random() % m_folders.size();
        std::vector<fs::path> &entries = m_entries[folder];
        const unsigned choice = random() % 10;
        if (entries.empty() || (choice < 4 && entries.size() < MaximumEntriesPerFolder)) {
            create(folder, random);
        } else if (choice < 6) {
            rename(folder, random);
        } else if (choice < 8 || entries.size() >= MaximumEntriesPerFolder) {
            const std::size_t index = random() % entries.size();
            fs::remove_all(entries[index]);
            entries.erase(entries.begin() + std::ptrdiff_t(index));
        } else {
            rewrite(entries[random() % entries.size()], random);
        }
    }

    // A name not used before; some belong to the applications the churn installs, some are awkward bytes.
    std::string newName(std::size_t folder, std::mt19937 &random)
    {
        const int serial = m_serial++;
        const int application = int(random() % 8);
        if (folder == Applications)
            return "Churn App " + std::to_string(application) + " " + std::to_string(serial) + ".app";
        const std::string extension = folder == Preferences || folder == LaunchAgents ? ".plist" : "";
        switch (random() % 4) {
        case 0:
            return "com.churn.app" + std::to_string(application) + "." + std::to_string(serial) + extension;
        case 1:
            return "Churn App " + std::to_string(application) + " Data " + std::to_string(serial) + extension;
        case 2:
            return "it's \"odd\" $(x) \xff\xfe\n" + std::to_string(serial) + extension;
        default:
            return "qqvvjj-" + std::to_string(serial) + extension;
        }
    }

    fs::path remember(fs::path path)
    {
        std::lock_guard lock(m_mutex);
        m_created.insert(path);
        return path;
    }

    void create(std::size_t folder, std::mt19937 &random)
    {
        const fs::path path = remember(m_folders[folder] / newName(folder, random));
        if (folder == Applications) {
            fs::create_directory(path);
            fs::create_directories(path / "Contents" / "MacOS");
        } else if (folder == Caches || folder == ApplicationSupport) {
            fs::create_directory(path);
            writeHalfThenAll(path / "data.bin", std::string(random() % 4096, 'x'));
        }
        rewrite(path, random);
        m_entries[folder].push_back(path);
    }

    void rename(std::size_t folder, std::mt19937 &random)
    {
        std::vector<fs::path> &entries = m_entries[folder];
        const std::size_t index = random() % entries.size();
        // Folders in Caches and Application Support sometimes move from one of the two to the other.
        std::size_t to = folder;
        if (folder == Caches || folder == ApplicationSupport)
            to = random() % 2 == 0 ? Caches : ApplicationSupport;
        const fs::path renamed = remember(m_folders[to] / newName(to, random));
        fs::rename(entries[index], renamed);
        entries.erase(entries.begin() + std::ptrdiff_t(index));
        m_entries[to].push_back(renamed);
    }

    // New contents for an entry, written in two steps so that a reader may find half a property list.
    void rewrite(const fs::path &path, std::mt19937 &random)
    {
        const std::string application = "com.churn.app" + std::to_string(random() % 8);
        if (fs::is_directory(path) && path.extension() == ".app")
            writeHalfThenAll(path / "Contents" / "Info.plist", TempTree::infoPlist(application, "1.0").xml());
        else if (fs::is_directory(path))
            writeHalfThenAll(path / "notes.txt", application);
        else
            writeHalfThenAll(path, random() % 5 == 0 ? std::string("bplist00\x01\x02", 10)
                                                     : TempTree::launchJob(application + ".agent"));
    }

    static void writeHalfThenAll(const fs::path &file, const std::string &contents)
    {
        std::ofstream out(file, std::ios::binary | std::ios::trunc);
        out.write(contents.data(), std::streamsize(contents.size() / 2));
        out.flush();
        std::this_thread::yield();
        out.write(contents.data() + contents.size() / 2, std::streamsize(contents.size() - contents.size() / 2));
        if (!out)
            throw std::runtime_error("cannot write " + file.native());
    }

    std::vector<fs::path> m_folders;
    // What each folder holds now, as the churn thread alone knows it.
    std::vector<std::vector<fs::path>> m_entries;
    int m_serial = 0;
    mutable std::mutex m_mutex;
    std::set<fs::path> m_created;
    std::atomic<bool> m_stop = false;
    std::atomic<int> m_operations = 0;
    std::string m_failure;
    std::thread m_thread;
};

} // namespace

TEST_F(ScannerTest, AFullScanOrdersOrphansFirstThenLargerFirst)
{
    m_tree.makeBundle("Applications/Zzqx Studio.app", "org.zzqx.studio");
    makeSized("Users/me/Library/Caches/org.zzqx.studio", 1000000000, Old);
    makeSized("Users/me/Library/Caches/qqvvjj-small", 1000, Old);
    makeSized("Users/me/Library/Caches/qqvvjj-first", 500, Old);
    makeSized("Users/me/Library/Logs/qqvvjj-second", 500, Old);
    m_tree.writeFile("Users/me/Library/Caches/com.apple.Safari", "x");
    m_tree.writeFile("Library/LaunchDaemons/org.zzqx.studio.helper.plist",
                     TempTree::launchJob("org.zzqx.studio.helper"));

    auto scanner = makeScanner();
    std::vector<std::pair<double, ScanStatus>> progress;
    QObject::connect(scanner.get(), &RemnantScanner::scanProgressChanged,
                     [&](double value) { progress.emplace_back(value, scanner->scanStatus()); });
    runScan(*scanner);

    EXPECT_TRUE(scanner->hasScanned());
    EXPECT_FALSE(scanner->isScanning() || scanner->isScanningApps() || scanner->hasStartedScan() ||
                 scanner->isScanInProgress());
    EXPECT_EQ(scanner->scanProgress(), 1.0);
    EXPECT_EQ(scanner->scanStatus(), (ScanStatus{ScanStatus::Stage::finished, {}, 5}));
    EXPECT_EQ(names(scanner->remnants()), (QStringList{"qqvvjj-small", "qqvvjj-first", "qqvvjj-second",
                                                       "org.zzqx.studio", "org.zzqx.studio.helper.plist"}));
    EXPECT_EQ(scanner->remnants()[4]->matchedAppName(), QStringLiteral("Zzqx Studio"));
    EXPECT_NE(std::find(progress.begin(), progress.end(),
                        std::pair(0.3, ScanStatus{ScanStatus::Stage::scanningFolder, "LaunchAgents"})),
              progress.end());
    EXPECT_TRUE(m_log.lines().contains(QString::fromUtf8("⚠️ '' NOT found in installedApps!")));
    EXPECT_TRUE(m_alerts.shown.isEmpty());
    EXPECT_FALSE(scanner->didPromptFullDiskAccessThisLaunch());
}

TEST_F(ScannerTest, ASecondScanWhileOneRunsHasNoEffectAndAScanClearsTheLastResults)
{
    m_tree.writeFile("Users/me/Library/Caches/qqvvjj", "x");
    auto scanner = makeScanner();
    int started = 0;
    QObject::connect(scanner.get(), &RemnantScanner::scanStatusChanged, [&](const ScanStatus &status) {
        if (status.stage == ScanStatus::Stage::detectingApps)
            ++started;
    });
    scanner->scan();
    scanner->scan();
    runScan(*scanner);
    EXPECT_EQ(started, 1);
    ASSERT_EQ(scanner->remnants().size(), 1);
    const RemnantItemPtr first = scanner->remnants().front();
    runScan(*scanner);
    EXPECT_EQ(started, 2);
    ASSERT_EQ(scanner->remnants().size(), 1);
    EXPECT_FALSE(*scanner->remnants().front() == *first);
}

TEST_F(ScannerTest, WithoutReadableLibraryTheScanIsRefusedAndThePromptComesOnce)
{
    TempTree empty;
    const auto platform = std::make_shared<PosixPlatform>(empty.root(), empty.root());
    auto scanner = std::make_unique<RemnantScanner>(platform, std::make_shared<MacProfile>(platform), m_alerts);
    m_alerts.answers = {QStringLiteral("OK")};
    runScan(*scanner);
    ASSERT_EQ(m_alerts.shown.size(), 1);
    EXPECT_EQ(m_alerts.shown[0].message, QStringLiteral("Cannot read the Library folder"));
    EXPECT_EQ(m_alerts.shown[0].informativeText,
              QStringLiteral("Leftscan cannot read %1/Library. Check that the folder exists and that you are allowed "
                             "to read it.")
                  .arg(QString::fromStdString(empty.root().native())));
    EXPECT_EQ(m_alerts.shown[0].buttons, QStringList{QStringLiteral("OK")});
    EXPECT_TRUE(m_alerts.openedLinks.isEmpty());
    EXPECT_FALSE(scanner->hasScanned());
    EXPECT_EQ(scanner->scanStatus(), ScanStatus{});
    runScan(*scanner);
    EXPECT_EQ(m_alerts.shown.size(), 1);
    // Access granted while running: the next scan passes the gate.
    empty.makeFolder("Library");
    runScan(*scanner);
    EXPECT_TRUE(scanner->hasScanned());
    EXPECT_EQ(scanner->scanStatus(), (ScanStatus{ScanStatus::Stage::finished, {}, 0}));

    // A tree read from elsewhere is read as its files allow, on a Mac too; where the privacy control guards the
    // scan, a Mac asks for Full Disk Access instead, and offers its settings.
    auto mac = std::make_shared<AdministratorPlatform>(empty.root(), empty.root());
    mac->macOS = true;
    EXPECT_EQ(mac->privacyDatabase(), std::nullopt);
    ScriptedAlerts alerts;
    alerts.answers = {QStringLiteral("Open Settings")};
    RemnantScanner macScanner(mac, std::make_shared<MacProfile>(mac), alerts);
    QSignalSpy macRefused(&macScanner, &RemnantScanner::scanRefused);
    runScan(macScanner);
    EXPECT_TRUE(macScanner.hasScanned());
    mac->setPrivacyDatabase(empty.path("Library/Application Support/com.apple.TCC/TCC.db"));
    runScan(macScanner);
    EXPECT_EQ(macRefused.size(), 1);
    ASSERT_EQ(alerts.shown.size(), 1);
    EXPECT_EQ(alerts.shown[0].message, QStringLiteral("Full Disk Access required"));
    EXPECT_EQ(alerts.openedLinks, QStringList{QString::fromLatin1(RemnantScanner::FullDiskAccessLink)});
    TempTree privacy;
    grantFullDiskAccess(*mac, privacy.root());
    runScan(macScanner);
    EXPECT_EQ(macRefused.size(), 1);
    EXPECT_EQ(PosixPlatform("/", empty.root()).privacyDatabase(),
              empty.path("Library/Application Support/com.apple.TCC/TCC.db"));

    // A Library that is a file, or a link to one, is refused alike.
    for (const char *target : {"", "/dev/null"}) {
        TempTree home;
        if (*target)
            home.makeSymlink("Library", target);
        else
            home.writeFile("Library", "x");
        ScriptedAlerts refusals;
        const auto platform = std::make_shared<PosixPlatform>(home.root(), home.root());
        RemnantScanner refusing(platform, std::make_shared<MacProfile>(platform), refusals);
        QSignalSpy refused(&refusing, &RemnantScanner::scanRefused);
        refusing.scan();
        EXPECT_EQ(refused.size(), 1) << target;
        EXPECT_FALSE(refusing.isScanning() || refusing.hasScanned()) << target;
        ASSERT_EQ(refusals.shown.size(), 1) << target;
        EXPECT_EQ(refusals.shown[0].message, QStringLiteral("Cannot read the Library folder")) << target;
    }
}

TEST_F(ScannerTest, FiltersSearchAndTotals)
{
    m_tree.makeBundle("Applications/Zzqx Studio.app", "org.zzqx.studio");
    makeSized("Users/me/Library/Caches/org.zzqx.studio", 300, time(nullptr));
    makeSized("Users/me/Library/Caches/qqvvjj-old", 100, Old);
    makeSized("Users/me/Library/Preferences/com.adobe.acc.plist", 20, Old);
    m_tree.writeFile("Users/me/Library/Logs/no-dates");
    auto scanner = makeScanner();
    runScan(*scanner);
    ASSERT_EQ(scanner->remnants().size(), 4);

    EXPECT_EQ(scanner->totalSize(), 420);
    EXPECT_EQ(scanner->categoryCounts().value(RemnantCategory::caches), 2);
    scanner->setSelectedCategory(RemnantCategory::preferences);
    EXPECT_EQ(names(scanner->filteredRemnants()), QStringList{"com.adobe.acc.plist"});
    scanner->setSelectedCategory(std::nullopt);
    scanner->setSearchText(QStringLiteral("ADOBE"));
    EXPECT_EQ(names(scanner->filteredRemnants()), QStringList{"com.adobe.acc.plist"});
    scanner->setSearchText(QString());
    scanner->setHideInstalledApps(true);
    for (const RemnantItemPtr &item : scanner->filteredRemnants())
        EXPECT_EQ(item->status(), RemnantStatus::orphan);
    scanner->setHideInstalledApps(false);
    scanner->setFilterStaleOnly(true);
    EXPECT_EQ(names(scanner->filteredRemnants()), (QStringList{"qqvvjj-old", "com.adobe.acc.plist"}));
    EXPECT_EQ(scanner->totalSize(), 120);
}

TEST_F(ScannerTest, ACancelledScanKeepsWhatArrivedInScanOrderAndTheNextScanFindsEverything)
{
    m_tree.makeBundle("Applications/Zzqx Studio.app", "org.zzqx.studio");
    for (int i = 0; i < 300; ++i) {
        const std::string name = i % 3 == 0 ? "org.zzqx.studio.part" : "qqvvjj-entry";
        makeSized("Users/me/Library/Application Support/" + name + std::to_string(i), (i * 37) % 1000, Old);
        makeSized("Users/me/Library/Caches/" + name + std::to_string(i), (i * 53) % 1000, Old);
    }
    auto reference = makeScanner();
    runScan(*reference);
    ASSERT_EQ(reference->remnants().size(), 600);

    auto scanner = makeScanner();
    QSignalSpy cancelled(scanner.get(), &RemnantScanner::scanCancelled);
    QSignalSpy finished(scanner.get(), &RemnantScanner::scanFinished);
    auto expectStopped = [&] {
        EXPECT_FALSE(scanner->isScanning() || scanner->isScanningApps() || scanner->isScanInProgress() ||
                     scanner->hasStartedScan());
        EXPECT_TRUE(scanner->hasScanned());
        EXPECT_EQ(scanner->scanStatus().stage, ScanStatus::Stage::cancelled);
        EXPECT_TRUE(finished.isEmpty());
    };

    // Cancelled while the inventory is built: nothing has arrived.
    scanner->scan();
    scanner->cancelScan();
    EXPECT_EQ(cancelled.size(), 1);
    expectStopped();
    EXPECT_TRUE(scanner->remnants().isEmpty());

    // Cancelled as the first batch arrives: that batch stays, and nothing the worker still sends is added.
    double progressAtCancel = -1;
    QMetaObject::Connection once = QObject::connect(&scanner->session(), &ScanSession::itemsAppended, [&] {
        QObject::disconnect(once);
        progressAtCancel = scanner->scanProgress();
        scanner->cancelScan();
    });
    scanner->scan();
    ASSERT_TRUE(cancelled.wait(120000));
    expectStopped();
    const qsizetype kept = scanner->remnants().size();
    EXPECT_GT(kept, 0);
    EXPECT_LT(kept, 600);
    EXPECT_TRUE(inScanOrder(scanner->remnants()));
    EXPECT_EQ(scanner->scanProgress(), progressAtCancel);

    // Started right away, the next scan is not disturbed by what the cancelled one left queued.
    runScan(*scanner);
    EXPECT_EQ(cancelled.size(), 2);
    EXPECT_EQ(scanner->scanStatus(), (ScanStatus{ScanStatus::Stage::finished, {}, 600}));
    EXPECT_TRUE(results(*scanner) == results(*reference));
}

TEST_F(ScannerTest, DestroyingTheScannerDuringAScanIsSafe)
{
    for (int i = 0; i < 200; ++i)
        m_tree.writeFile("Users/me/Library/Caches/entry" + std::to_string(i), "x");
    auto scanner = makeScanner();
    scanner->scan();
    scanner.reset(); // in the inventory

    scanner = makeScanner();
    QSignalSpy appended(&scanner->session(), &ScanSession::itemsAppended);
    scanner->scan();
    ASSERT_TRUE(appended.wait(60000));
    scanner.reset(); // in a location
    QCoreApplication::processEvents();
}

TEST_F(ScannerTest, ALinkedLocationFolderIsNotListedAndTheScanSaysWhy)
{
    m_tree.writeFile("Users/me/Documents/precious.txt", "keep");
    m_tree.writeFile("Users/me/Library/Logs/qqvv.log", "x");
    m_tree.makeSymlink("Users/me/Library/Caches", "..");
    auto scanner = makeScanner();
    QSignalSpy warningsChanged(scanner.get(), &RemnantScanner::scanWarningsChanged);
    runScan(*scanner);

    EXPECT_EQ(names(scanner->remnants()), QStringList{QStringLiteral("qqvv.log")});
    const fs::path caches = m_tree.path("Users/me/Library/Caches");
    ASSERT_EQ(scanner->scanWarnings().size(), 1U);
    EXPECT_EQ(ScanWarningText::text(scanner->scanWarnings().front()),
              QString::fromStdString(caches.native()) + QStringLiteral(" was not scanned: it is a symbolic link"));
    EXPECT_EQ(warningsChanged.size(), 1);
    EXPECT_TRUE(m_log.lines().contains(
        QStringLiteral("⚠️ %1 was not scanned (symbolicLink)").arg(QString::fromStdString(caches.native()))));

    // The next scan starts with no warnings.
    fs::remove(m_tree.path("Users/me/Library/Caches"));
    runScan(*scanner);
    EXPECT_TRUE(scanner->scanWarnings().empty());
    EXPECT_EQ(warningsChanged.size(), 2);
    EXPECT_EQ(scanner->remnants().size(), 1);
}

TEST_F(ScannerTest, AFolderReachedAgainThroughALinkedLibraryIsListedOnce)
{
    m_tree.writeFile("Users/me/Library/LaunchAgents/com.qqvv.agent.plist", TempTree::launchJob("com.qqvv.agent"));
    m_tree.makeSymlink("Library", "Users/me/Library");
    auto scanner = makeScanner();
    runScan(*scanner);

    EXPECT_EQ(names(scanner->remnants()), QStringList{QStringLiteral("com.qqvv.agent.plist")});
    const QString agents = QString::fromStdString(fs::canonical(m_tree.path("Users/me/Library/LaunchAgents")));
    ASSERT_EQ(scanner->scanWarnings().size(), 1U);
    EXPECT_EQ(ScanWarningText::text(scanner->scanWarnings().front()),
              QString::fromStdString(m_tree.path("Library/LaunchAgents").native()) +
                  QStringLiteral(" was not scanned: it resolves to %1, which was scanned already").arg(agents));
}

TEST_F(ScannerTest, SizesOnDiskFollowTheListingAndLeaveEveryStatusAsItWas)
{
    for (const char *file : {"qqvv-old/Cache/one.db", "qqvv-old/Cache/deep/two.db", "qqvv-old/three.log"})
        m_tree.writeFile("Users/me/Library/Caches/" + std::string(file), std::string(10000, 'x'));
    for (const char *folder : {"qqvv-old/Cache/deep", "qqvv-old/Cache", "qqvv-old"})
        m_tree.setTimes("Users/me/Library/Caches/" + std::string(folder), Old, Old);
    makeSized("Users/me/Library/Preferences/com.qqvv.prefs.plist", 300, Old);
    // Its Label is read for the owner; reading it must leave the access date, and so the status, alone.
    m_tree.writeFile("Users/me/Library/LaunchAgents/com.qqvv.agent.plist", TempTree::launchJob("com.qqvv.agent"));
    m_tree.setTimes("Users/me/Library/LaunchAgents/com.qqvv.agent.plist", Old, Old);
    auto scanner = makeScanner({}, true);
    QSignalSpy sizes(scanner.get(), &RemnantScanner::remnantSizesChanged);
    auto facts = [&] {
        QStringList result;
        for (const RemnantItemPtr &item : scanner->remnants())
            result.append(QStringLiteral("%1 %2 %3")
                              .arg(item->name())
                              .arg(int(item->status()))
                              .arg(item->lastUsed().value_or(QDateTime()).toSecsSinceEpoch()));
        return result;
    };
    runScanWithSizes(*scanner);
    ASSERT_EQ(scanner->remnants().size(), 3);
    EXPECT_GE(sizes.size(), 1);
    qint64 total = 0;
    for (const RemnantItemPtr &item : scanner->remnants()) {
        ASSERT_TRUE(item->sizeOnDisk()) << item->name().toStdString();
        EXPECT_EQ(item->displayedSize(), *item->sizeOnDisk());
        EXPECT_FALSE(item->sizePartial());
        total += *item->sizeOnDisk();
    }
    const RemnantItemPtr folder = *std::find_if(scanner->remnants().begin(), scanner->remnants().end(),
                                                [](const RemnantItemPtr &item) { return item->name() == "qqvv-old"; });
    EXPECT_EQ(folder->fileSize(), 0);
    EXPECT_EQ(folder->itemCount(), 3);
    EXPECT_GE(*folder->sizeOnDisk(), 30000);
    EXPECT_EQ(scanner->totalSize(), total);

    const QStringList first = facts();
    EXPECT_EQ(first.filter(QStringLiteral(" %1 ").arg(int(RemnantStatus::orphan))).size(), 3)
        << first.join(u'\n').toStdString();
    runScanWithSizes(*scanner);
    EXPECT_EQ(facts(), first);
}

TEST_F(ScannerTest, ANewScanCancellingOrTheScannersEndStopTheSizePass)
{
    m_tree.writeFile("Users/me/Library/Caches/qqvv/data", "x");
    m_tree.writeFile("Users/me/Library/Logs/qqvv.log", "x");
    auto platform = std::make_shared<GatedSizesPlatform>(m_tree.root(), m_tree.path("Users/me"));
    auto scanner = makeScanner(platform, true);
    QSignalSpy measured(scanner.get(), &RemnantScanner::sizesMeasured);

    runScan(*scanner);
    EXPECT_TRUE(scanner->isMeasuringSizes());
    ASSERT_TRUE(QTest::qWaitFor([&] { return platform->waiting.load() == 2; }, 10000));
    // A new scan stops the pass of the last one; its records never learn a size.
    const QList<RemnantItemPtr> earlier = scanner->remnants();
    runScan(*scanner);
    for (const RemnantItemPtr &item : earlier)
        EXPECT_FALSE(item->sizeOnDisk());
    ASSERT_TRUE(QTest::qWaitFor([&] { return platform->waiting.load() == 2; }, 10000));
    scanner->cancelScan();
    EXPECT_FALSE(scanner->isMeasuringSizes());
    QCoreApplication::processEvents();
    EXPECT_TRUE(measured.isEmpty());

    // Opened, the gate lets the next scan's sizes through to the end.
    platform->open = true;
    runScanWithSizes(*scanner);
    ASSERT_EQ(scanner->remnants().size(), 2);
    for (const RemnantItemPtr &item : scanner->remnants())
        EXPECT_TRUE(item->sizeOnDisk());

    platform->open = false;
    runScan(*scanner);
    ASSERT_TRUE(QTest::qWaitFor([&] { return platform->waiting.load() == 2; }, 10000));
    scanner.reset();
    EXPECT_EQ(platform->waiting.load(), 0);
}

TEST_F(ScannerTest, ScansOfChangingLibraryFoldersListOnlyWhatWasThereWithConsistentFields)
{
    Churn churn(m_tree);
    auto scanner = makeScanner({}, true);
    std::map<fs::path, RemnantCategory> categories;
    for (const auto &[folder, category] : Churn::libraryFolders())
        categories[m_tree.path(folder)] = category;
    churn.start();
    qsizetype found = 0;
    for (int scan = 0; scan < 8; ++scan) {
        runScan(*scanner);
        for (const RemnantItemPtr &item : scanner->remnants()) {
            const fs::path &url = item->url();
            EXPECT_TRUE(churn.wasCreated(url)) << url;
            const auto folder = categories.find(url.parent_path());
            ASSERT_NE(folder, categories.end()) << url;
            EXPECT_EQ(item->category(), folder->second) << url;
            EXPECT_EQ(item->name(), PathNames::fileName(url));
            if (item->status() == RemnantStatus::stale) {
                EXPECT_EQ(item->risk(), RemnantRisk::safe) << url;
            } else if (item->status() == RemnantStatus::orphan) {
                EXPECT_EQ(item->risk(), RemnantRisk::review) << url;
            }
            EXPECT_GE(item->fileSize(), 0);
        }
        found += scanner->remnants().size();
    }
    churn.stop();
    EXPECT_EQ(churn.failure(), "");
    EXPECT_GT(churn.operations(), 0);
    EXPECT_GT(found, 0);
    EXPECT_TRUE(m_alerts.shown.isEmpty());
}
