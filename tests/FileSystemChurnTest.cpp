#include "CoreApplication.h"
#include "LogCapture.h"
#include "ScriptedAlerts.h"
#include "TempTree.h"
#include "platform/PathNames.h"
#include "platform/PosixPlatform.h"
#include "scanner/RemnantScanner.h"

#include <gtest/gtest.h>

#include <QSignalSpy>
#include <atomic>
#include <fstream>
#include <map>
#include <mutex>
#include <random>
#include <set>
#include <thread>

namespace fs = std::filesystem;

namespace {

constexpr int Scans = 8;
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
        const std::string label = "<key>Label</key><string>" + application + ".agent</string>";
        if (fs::is_directory(path) && path.extension() == ".app")
            writeHalfThenAll(path / "Contents" / "Info.plist", TempTree::infoPlistXml(application, "1.0"));
        else if (fs::is_directory(path))
            writeHalfThenAll(path / "notes.txt", application);
        else
            writeHalfThenAll(path, random() % 5 == 0 ? std::string("bplist00\x01\x02", 10)
                                                     : TempTree::infoPlistXml("", "", label));
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

class FileSystemChurn : public ::testing::Test {
protected:
    FileSystemChurn()
        : m_platform(std::make_shared<PosixPlatform>(m_tree.root(), m_tree.path("Users/me")))
    {
        coreApplication();
    }

    static void runScan(RemnantScanner &scanner)
    {
        QSignalSpy finished(&scanner, &RemnantScanner::scanFinished);
        scanner.scan();
        ASSERT_TRUE(scanner.isScanning());
        ASSERT_TRUE(finished.wait(120000));
    }

    void expectConsistentRecords(const RemnantScanner &scanner, const Churn &churn)
    {
        std::map<fs::path, RemnantCategory> categories;
        for (const auto &[folder, category] : Churn::libraryFolders())
            categories[m_tree.path(folder)] = category;
        for (const RemnantItemPtr &item : scanner.remnants()) {
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
    }

    TempTree m_tree;
    std::shared_ptr<PosixPlatform> m_platform;
    ScriptedAlerts m_alerts;
    LogCapture m_log;
};

} // namespace

TEST_F(FileSystemChurn, ScansOfChangingLibraryFoldersListOnlyWhatWasThereWithConsistentFields)
{
    Churn churn(m_tree);
    RemnantScanner scanner(m_platform, m_alerts);
    churn.start();
    qsizetype found = 0;
    for (int scan = 0; scan < Scans; ++scan) {
        runScan(scanner);
        expectConsistentRecords(scanner, churn);
        found += scanner.remnants().size();
    }
    churn.stop();
    EXPECT_EQ(churn.failure(), "");
    EXPECT_GT(churn.operations(), 0);
    EXPECT_GT(found, 0);
    EXPECT_TRUE(m_alerts.shown.isEmpty());
}
