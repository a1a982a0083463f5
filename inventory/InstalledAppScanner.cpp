#include "inventory/InstalledAppScanner.h"

#include "platform/DiagnosticLog.h"
#include "platform/PathNames.h"
#include "platform/Platform.h"

namespace fs = std::filesystem;

InstalledAppScanner::InstalledAppScanner(const Platform &platform, const std::atomic<bool> *cancelled)
    : m_platform(platform)
    , m_cancelled(cancelled)
{}

Inventory InstalledAppScanner::scanInstalledApps() const
{
    auto log = [](const char *line) {
        DiagnosticLog::write(QString::fromUtf8(line));
    };

    log("🔍 Starting app scan...");
    Inventory inventory;
    m_helperKeys.clear();

    log("🔍 Requesting admin authorization...");
    log("⚠️ Admin authorization skipped (background thread compatibility)");
    log("✅ Admin authorization completed");

    for (const std::string_view folder : {"/Applications", "/Applications/Utilities", "~/Applications"}) {
        const fs::path path = resolve(folder);
        DiagnosticLog::write(QStringLiteral("🔍 Scanning directory: ") + PathNames::text(path));
        scanApplicationsDirectory(path, inventory);
    }
    log("✅ Directory scanning completed");

    log("🔍 Scanning via Workspace...");
    scanWorkspaceApplications(inventory);
    log("✅ Workspace scan completed");

    // Launch Services has no query the inventory needs; the step is kept for its place in the order.
    log("🔍 Scanning LaunchServices database...");
    log("✅ LaunchServices scan completed");

    log("🔍 Scanning running processes...");
    scanRunningApplications(inventory);
    log("✅ Running processes scan completed");

    log("🔍 Scanning receipts directory...");
    scanReceipts(inventory);
    log("✅ Receipts scan completed");

    log("🔍 Scanning Application Support...");
    scanApplicationSupport(inventory);
    log("✅ Application Support scan completed");

    log("🔍 Scanning frameworks...");
    scanFrameworks(inventory);
    log("✅ Frameworks scan completed");

    log("🔍 Scanning system tools...");
    scanCommandLineTools(inventory);
    log("✅ System tools scan completed");

    log("🔍 Scanning Homebrew and MacPorts...");
    scanPackageManagers(inventory);
    log("✅ Homebrew/MacPorts scan completed");

    log("🔍 Cleaning up authorization...");
    if (isCancelled())
        log("⚠️ App scan cancelled");
    else
        DiagnosticLog::write(QStringLiteral("✅ App scan fully completed with %1 entries").arg(inventory.size()));
    m_helperKeys.clear();
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
