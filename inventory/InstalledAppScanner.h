// SPDX-FileCopyrightText: 2026 The Leftscan developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "inventory/Inventory.h"

#include <QHash>
#include <QStringList>

#include <algorithm>
#include <array>
#include <atomic>
#include <filesystem>
#include <optional>
#include <string_view>

class Platform;
class PropertyList;

// Builds the inventory of installed software from its sources, always all of them and always in the same
// order, so that a later source's record wins for a key that several write. Once `cancelled` is set, no
// further bundle is opened and no further source folder listed: the inventory comes back soon, incomplete.
class InstalledAppScanner {
public:
    static constexpr std::array<std::string_view, 8> HelperSubfolders{
        "Contents/Helpers",     "Contents/Library/LoginItems", "Contents/Library/LaunchServices",
        "Contents/MacOS",       "Contents/Frameworks",         "Contents/PlugIns",
        "Contents/XPCServices", "Contents/Resources"};
    static constexpr std::array<std::string_view, 6> HelperGenericNames{"helper",  "agent",   "daemon",
                                                                        "service", "updater", "launcher"};
    static constexpr std::array<std::string_view, 10> ShellCommandNames{"sh", "bash", "zsh", "ls",  "cd",
                                                                        "rm", "cp",   "mv",  "cat", "echo"};
    static constexpr std::array<std::string_view, 5> ToolFolders{"/usr/local/bin", "/usr/local/sbin", "/opt",
                                                                 "/opt/local/bin", "~/.local/bin"};
    static constexpr std::array<std::string_view, 3> JavaVirtualMachineFolders{
        "/Library/Java/JavaVirtualMachines", "/System/Library/Java/JavaVirtualMachines",
        "~/Library/Java/JavaVirtualMachines"};
    static constexpr std::array<std::string_view, 2> HomebrewCellars{"/opt/homebrew/Cellar", "/usr/local/Cellar"};

    explicit InstalledAppScanner(const Platform &platform, const std::atomic<bool> *cancelled = nullptr);

    // How many threads read bundles at once; 1 reads them one after another. The inventory is the same.
    void setWorkers(int workers) { m_workers = std::max(1, workers); }

    Inventory scanInstalledApps() const;

    // Application bundle sources.
    void scanApplicationsDirectory(const std::filesystem::path &folder, Inventory &inventory) const;
    void scanWorkspaceApplications(Inventory &inventory) const;
    void scanRunningApplications(Inventory &inventory) const;
    void indexApplication(const InstalledApp &record, Inventory &inventory) const;
    void scanAppHelpers(const std::filesystem::path &bundle, const InstalledApp &record, Inventory &inventory) const;
    // The lower-cased strings of a property list that look like bundle identifiers, in document order.
    static QStringList identifierStrings(const PropertyList &list);

    // Sources that do not start from a bundle.
    void scanReceipts(Inventory &inventory) const;
    void scanApplicationSupport(Inventory &inventory) const;
    void scanFrameworks(Inventory &inventory) const;
    void scanCommandLineTools(Inventory &inventory) const;
    void scanJavaInstallations(Inventory &inventory) const;
    void scanPackageManagers(Inventory &inventory) const;

private:
    bool isCancelled() const { return m_cancelled && m_cancelled->load(std::memory_order_relaxed); }
    // A folder of the Mac layout on this machine; "~/" names the home folder.
    std::filesystem::path resolve(std::string_view macPath) const;
    // The direct children of a fixed source folder, hidden ones left out; empty when it cannot be read.
    std::vector<std::filesystem::path> childrenOf(const std::filesystem::path &folder) const;
    // The bundles directly in a folder, and those the workspace step finds, in the order they are indexed.
    std::vector<std::filesystem::path> applicationsIn(const std::filesystem::path &folder) const;
    std::vector<std::filesystem::path> workspaceApplications() const;
    std::optional<InstalledApp> applicationRecord(const std::filesystem::path &bundlePath, bool skipSystem) const;
    void indexBundles(const std::vector<std::filesystem::path> &bundles, bool skipSystem, Inventory &inventory) const;
    // A key that an application's helpers or property-list strings give, and how the application holds it.
    struct HelperKey {
        QString key;
        Inventory::Claim claim = Inventory::Claim::none;
    };
    // The keys that an application's helpers and property-list strings give, in the order they are written.
    // `info` is the bundle's Info.plist when it has been read already.
    std::vector<HelperKey> helperKeys(const std::filesystem::path &bundle,
                                      const std::optional<PropertyList> *info = nullptr) const;

    // What one bundle tells the inventory. A bundle is read once per scan, however many sources find it.
    struct BundleFacts {
        // A bundle folder that was there to open. One whose Info.plist cannot be read or names no identifier is
        // still an installed application, known by its name.
        bool opened = false;
        std::optional<QString> identifier;
        std::optional<QString> version;
        std::optional<std::vector<HelperKey>> helperKeys; // read for the bundles opened
    };
    BundleFacts readBundle(const std::filesystem::path &bundle) const;
    BundleFacts bundleFacts(const std::filesystem::path &bundle) const;
    // Reads the bundles not read yet in this scan, several at a time.
    void readBundles(const std::vector<std::filesystem::path> &bundles) const;

    const Platform &m_platform;
    const std::atomic<bool> *m_cancelled;
    // An administrator authorization is never requested while the inventory runs in the background.
    const void *m_authorizationRef = nullptr;
    int m_workers;
    // Every bundle read during the current scan, by bundle path; emptied at each end.
    mutable QHash<QByteArray, BundleFacts> m_bundles;
};
