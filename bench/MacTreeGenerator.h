// SPDX-FileCopyrightText: 2026 The Leftscan developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <atomic>
#include <cstdint>
#include <ctime>
#include <functional>
#include <set>
#include <span>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

// Writes a large synthetic Mac file tree for benchmarks: application bundles with helpers and rich Info.plist
// files, the Library folders of a user and of the system, command-line tools, Java installations, Homebrew
// formulae and MacPorts ports. The output folder stands for "/"; the user's home is Users/bench inside it.
//
// The tree depends only on the options: every item draws from its own random stream derived from the seed, so
// the parallel writing order does not change the content. Dates count back from the start of the day of the run.
class MacTreeGenerator {
public:
    struct Options {
        std::string outputDirectory;
        int appCount = 2000;
        int libraryEntryCount = 20000;
        // Thousandths of the Library entries that go into the user's Caches folder; 0 keeps the usual spread.
        int cachesPerMille = 0;
        std::uint64_t seed = 1;
        int threadCount = 0; // 0: one per hardware thread, at most 8
    };

    struct Summary {
        std::uint64_t appBundles = 0;
        std::uint64_t helperBundles = 0;
        std::uint64_t libraryEntries = 0;
        std::uint64_t tools = 0;
        std::uint64_t packages = 0;
        std::uint64_t files = 0;
        std::uint64_t folders = 0;
        std::uint64_t symlinks = 0;
    };

    explicit MacTreeGenerator(Options options);

    // Throws std::runtime_error (or std::system_error) when the output folder is not empty or cannot be written.
    Summary generate();

private:
    class Random {
    public:
        explicit Random(std::uint64_t seed);

        static std::uint64_t mix(std::uint64_t value);

        std::uint64_t next();
        std::uint64_t below(std::uint64_t bound);
        int between(int low, int high);
        double unit();
        bool chance(double probability);
        std::string_view pick(std::span<const std::string_view> list);

        template <typename T> const T &pick(const std::vector<T> &list) { return list[below(list.size())]; }

    private:
        std::uint64_t m_state[4];
    };

    enum class Place {
        applicationSupport,
        applicationScripts,
        userLaunchAgents,
        launchAgents,
        launchDaemons,
        preferences,
        caches,
        containers,
        savedState,
        logs,
        receipts,
        userFrameworks,
        systemApplicationSupport,
        frameworks,
        javaVirtualMachines,
        systemFrameworks,
        toolFolder,
        homebrewFormula,
        macPort,
    };

    enum class Ownership { installed, uninstalled, system, hidden, tool };

    enum class Defect { none, missingInfoPlist, missingIdentifier };

    struct PlaceInfo {
        Place place;
        std::string_view folder;
        bool inHome;
        int weightPerMille;
        double systemShare;
    };

    struct Vendor {
        std::string shortName;
        std::string legalName;
        std::string token;
        std::string domain;
        std::string website;
        std::string teamId;
    };

    struct AppIdentity {
        std::string name;
        std::string bundleId;
        std::string executable;
        std::string version;
        std::string macFolder; // folder holding the bundle, as seen on the Mac ("/Applications/Utilities")
        std::size_t vendor = 0;
        std::uint64_t seed = 0;
        bool apple = false;
        Defect defect = Defect::none;
    };

    struct PlannedEntry {
        std::string path;
        Place place;
        Ownership ownership;
        const AppIdentity *owner = nullptr;
        std::string label;  // launch job label
        std::string detail; // version of a package, program path of a launch job
        std::uint64_t seed = 0;
    };

    struct Stamp {
        std::vector<std::pair<std::string, bool>> paths; // path, is a symbolic link
        std::time_t modified = 0;
        std::time_t accessed = 0;
        std::uint64_t jitterSeed = 0;
    };

    static std::span<const PlaceInfo> libraryPlaces();

    std::uint64_t seedFor(std::uint64_t domain, std::uint64_t index) const;
    std::string placeFolder(const PlaceInfo &info) const;

    void prepareOutput();
    void planVendors(Random &random);
    void planApps(Random &random);
    void planTools(Random &random);
    void planLibrary(Random &random);
    AppIdentity makeIdentity(Random &random, std::size_t vendorIndex);
    std::string makeAppName(Random &random, const Vendor &vendor) const;
    std::size_t pickVendor(Random &random) const;
    std::string ownedEntryName(Place place, const AppIdentity &app, Random &random, std::string &label) const;
    std::string systemEntryName(Place place, Random &random) const;
    std::string hiddenEntryName(std::size_t ordinal, Random &random) const;
    void describeLaunchJob(PlannedEntry &entry) const;

    void writeAppBundle(const AppIdentity &app);
    void writeHelperBundle(const std::string &parent, const std::string &name, std::string_view extension,
                           const std::string &identifier, const std::string &version, Stamp &stamp, Random &random);
    void writeFramework(const std::string &parent, const std::string &name, const std::string &identifier,
                        const std::string &version, Stamp &stamp, Random &random);
    void writeResources(const std::string &contents, const AppIdentity &app, bool electron, bool scriptable,
                        Stamp &stamp, Random &random);
    void writeEntry(const PlannedEntry &entry);
    void writeFolderEntry(const PlannedEntry &entry, Stamp &stamp, Random &random);
    void writeContainer(const PlannedEntry &entry, Stamp &stamp, Random &random);
    void writeJavaHome(const PlannedEntry &entry, Stamp &stamp, Random &random);
    void writeHiddenEntry(const PlannedEntry &entry, Stamp &stamp, Random &random);
    void writePackage(const PlannedEntry &entry, Stamp &stamp, Random &random);

    std::string appInfoPlist(const AppIdentity &app, bool electron, bool sparkle, bool scriptable,
                             Random &random) const;
    std::string preferencesPlist(const PlannedEntry &entry, Random &random) const;
    std::string launchJobPlist(const PlannedEntry &entry, Random &random) const;
    std::string receiptPlist(const PlannedEntry &entry, Random &random) const;
    static std::string nestedInfoPlist(const std::string &name, std::string_view extension,
                                       const std::string &identifier, const std::string &version,
                                       const std::string &executable);
    static std::string machOContent(Random &random);

    Stamp makeStamp(Random &random, Ownership ownership) const;
    void ensureFolder(const std::string &path);
    void makeFolder(const std::string &path, Stamp &stamp);
    void writeFile(const std::string &path, std::string_view content, Stamp &stamp, bool executable = false,
                   std::uint64_t apparentSize = 0);
    void makeSymlink(const std::string &target, const std::string &path, Stamp &stamp);
    void applyStamp(const Stamp &stamp) const;
    void runParallel(std::size_t count, const std::function<void(std::size_t)> &work) const;

    Options m_options;
    std::string m_root;
    std::string m_home;
    std::time_t m_now = 0;

    std::vector<Vendor> m_vendors;
    std::vector<AppIdentity> m_installedApps;
    std::vector<AppIdentity> m_uninstalledApps;
    std::vector<const AppIdentity *> m_ownableApps;
    std::vector<std::string> m_packageNames;
    std::vector<PlannedEntry> m_entries;
    std::vector<std::string> m_sharedFolders;
    std::set<std::string> m_usedNames;
    std::set<std::string> m_usedIdentifiers;

    std::atomic<std::uint64_t> m_helperBundles{0};
    std::atomic<std::uint64_t> m_files{0};
    std::atomic<std::uint64_t> m_folders{0};
    std::atomic<std::uint64_t> m_symlinks{0};
};
