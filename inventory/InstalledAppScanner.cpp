// SPDX-FileCopyrightText: 2026 The Leftscan developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "inventory/InstalledAppScanner.h"

#include "inventory/ParallelWork.h"
#include "inventory/StageTimings.h"
#include "platform/DiagnosticLog.h"
#include "platform/PathNames.h"
#include "platform/Platform.h"

namespace fs = std::filesystem;

InstalledAppScanner::InstalledAppScanner(const Platform &platform, const std::atomic<bool> *cancelled)
    : m_platform(platform)
    , m_cancelled(cancelled)
    , m_workers(ParallelWork::defaultWorkers())
{}

Inventory InstalledAppScanner::scanInstalledApps() const
{
    auto log = [](const char *line) {
        DiagnosticLog::write(QString::fromUtf8(line));
    };

    log("🔍 Starting app scan...");
    Inventory inventory;
    m_bundles.clear();

    log("🔍 Requesting admin authorization...");
    log("⚠️ Admin authorization skipped (background thread compatibility)");
    log("✅ Admin authorization completed");

    // The bundles of the application folders and of the workspace step are read first, several at a time; the
    // sources then index them one after another in their fixed order.
    const std::array<std::string_view, 3> applicationFolders{"/Applications", "/Applications/Utilities",
                                                             "~/Applications"};
    std::vector<std::vector<fs::path>> folderApplications;
    std::vector<fs::path> workspace;
    {
        const StageTimings::Scope timing(StageTimings::Stage::readingBundles);
        std::vector<fs::path> everyBundle;
        for (const std::string_view folder : applicationFolders) {
            folderApplications.push_back(applicationsIn(resolve(folder)));
            everyBundle.insert(everyBundle.end(), folderApplications.back().begin(), folderApplications.back().end());
        }
        workspace = workspaceApplications();
        everyBundle.insert(everyBundle.end(), workspace.begin(), workspace.end());
        readBundles(everyBundle);
    }

    {
        const StageTimings::Scope timing(StageTimings::Stage::applicationFolders);
        for (std::size_t i = 0; i < applicationFolders.size(); ++i) {
            DiagnosticLog::write(QStringLiteral("🔍 Scanning directory: ") +
                                 PathNames::text(resolve(applicationFolders[i])));
            indexBundles(folderApplications[i], false, inventory);
        }
    }
    log("✅ Directory scanning completed");

    log("🔍 Scanning via Workspace...");
    {
        const StageTimings::Scope timing(StageTimings::Stage::workspace);
        indexBundles(workspace, true, inventory);
    }
    log("✅ Workspace scan completed");

    // Launch Services has no query the inventory needs; the step is kept for its place in the order.
    log("🔍 Scanning LaunchServices database...");
    log("✅ LaunchServices scan completed");

    using Stage = StageTimings::Stage;
    auto step = [&](Stage stage, void (InstalledAppScanner::*source)(Inventory &) const) {
        const StageTimings::Scope timing(stage);
        (this->*source)(inventory);
    };

    log("🔍 Scanning running processes...");
    step(Stage::runningApplications, &InstalledAppScanner::scanRunningApplications);
    log("✅ Running processes scan completed");

    log("🔍 Scanning receipts directory...");
    step(Stage::receipts, &InstalledAppScanner::scanReceipts);
    log("✅ Receipts scan completed");

    log("🔍 Scanning Application Support...");
    step(Stage::applicationSupport, &InstalledAppScanner::scanApplicationSupport);
    log("✅ Application Support scan completed");

    log("🔍 Scanning frameworks...");
    step(Stage::frameworks, &InstalledAppScanner::scanFrameworks);
    log("✅ Frameworks scan completed");

    log("🔍 Scanning system tools...");
    step(Stage::toolsAndJava, &InstalledAppScanner::scanCommandLineTools);
    log("✅ System tools scan completed");

    log("🔍 Scanning Homebrew and MacPorts...");
    step(Stage::packageManagers, &InstalledAppScanner::scanPackageManagers);
    log("✅ Homebrew/MacPorts scan completed");

    log("🔍 Cleaning up authorization...");
    if (isCancelled())
        log("⚠️ App scan cancelled");
    else
        DiagnosticLog::write(QStringLiteral("✅ App scan fully completed with %1 entries").arg(inventory.size()));
    m_bundles.clear();
    return inventory;
}

fs::path InstalledAppScanner::resolve(std::string_view macPath) const
{
    if (macPath.starts_with("~/"))
        return m_platform.homeDirectory() / fs::path(macPath.substr(2));
    return m_platform.systemPath(macPath);
}

std::vector<fs::path> InstalledAppScanner::childrenOf(const fs::path &folder) const
{
    std::vector<fs::path> children;
    if (isCancelled() || !m_platform.isReadable(folder))
        return children;
    if (auto entries = m_platform.listDirectory(folder, Platform::Hidden::Skip)) {
        children.reserve(entries->size());
        for (DirectoryEntry &entry : *entries)
            children.push_back(std::move(entry.path));
    }
    return children;
}
