// SPDX-FileCopyrightText: 2026 The Leftscan developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "mac/MacProfile.h"

#include "identification/AppIdentifierService.h"
#include "inventory/InstalledAppScanner.h"
#include "mac/MacOwnerResolver.h"
#include "model/SystemNames.h"
#include "platform/DiagnosticLog.h"
#include "platform/SystemPrograms.h"

#include <QSet>
#include <array>

namespace fs = std::filesystem;

namespace {

constexpr std::array Categories{RemnantCategory::applicationSupport,
                                RemnantCategory::applicationScripts,
                                RemnantCategory::launchAgents,
                                RemnantCategory::launchDaemons,
                                RemnantCategory::preferences,
                                RemnantCategory::caches,
                                RemnantCategory::containers,
                                RemnantCategory::savedState,
                                RemnantCategory::logs,
                                RemnantCategory::cronJobs,
                                RemnantCategory::other};

// A term to look up in the inventory after it is built, for diagnosing a missing attribution; empty, it
// matches nothing.
const QString DiagnosticSearchTerm;

// The inventory summary written after every inventory.
void logInventorySummary(const Inventory &inventory)
{
    DiagnosticLog::write(
        QStringLiteral("📊 %1 app entries found (incl. helpers, keywords, etc.)").arg(inventory.size()));
    // Each name with the bundle identifier of the first entry that has it, in the inventory's order.
    QSet<QString> names;
    std::vector<const InstalledApp *> firstWithName;
    for (const InstalledApp &record : inventory) {
        if (names.contains(record.name))
            continue;
        names.insert(record.name);
        firstWithName.push_back(&record);
    }
    DiagnosticLog::write(QStringLiteral("🔍 Unique apps: %1").arg(firstWithName.size()));
    DiagnosticLog::write(QStringLiteral("🔍 Sample apps:"));
    for (std::size_t shown = 0; shown < std::min<std::size_t>(20, firstWithName.size()); ++shown)
        DiagnosticLog::write(QStringLiteral("   %1. %2 (%3)")
                                 .arg(shown + 1)
                                 .arg(firstWithName[shown]->name, firstWithName[shown]->bundleID));

    const QString term = DiagnosticSearchTerm.toLower();
    QList<Inventory::const_iterator> found;
    for (auto it = inventory.cbegin(); !term.isEmpty() && it != inventory.cend(); ++it) {
        if (it.key().toLower().contains(term) || it.value().name.toLower().contains(term))
            found.append(it);
    }
    if (found.isEmpty()) {
        DiagnosticLog::write(QStringLiteral("⚠️ '%1' NOT found in installedApps!").arg(DiagnosticSearchTerm));
        return;
    }
    DiagnosticLog::write(QStringLiteral("✅ '%1' found: %2 entries").arg(DiagnosticSearchTerm).arg(found.size()));
    for (qsizetype i = 0; i < std::min<qsizetype>(5, found.size()); ++i)
        DiagnosticLog::write(QStringLiteral("   - Key: '%1' → App: '%2' (%3)")
                                 .arg(found[i].key(), found[i].value().name, found[i].value().bundleID));
}

} // namespace

MacProfile::MacProfile(std::shared_ptr<const Platform> platform)
    : m_platform(std::move(platform))
    , m_identifierService(std::make_shared<AppIdentifierService>(m_platform.get()))
{}

MacProfile::~MacProfile() = default;

bool MacProfile::suits(const fs::path &home)
{
    if (SystemPrograms::isMacOS())
        return true;
    std::error_code error;
    return fs::exists(fs::symlink_status(home / "Library", error));
}

std::span<const RemnantCategory> MacProfile::categories() const
{
    return Categories;
}

std::vector<ScanLocation> MacProfile::libraryLocations(const Platform &platform)
{
    const fs::path library = platform.homeDirectory() / "Library";
    const fs::path systemLibrary = platform.systemPath("/Library");
    auto at = [](const fs::path &base, const char *folder, RemnantCategory category) {
        return ScanLocation{ScanLocation::ScanPath{base / folder}, category, false, base};
    };
    return {at(library, "Application Support", RemnantCategory::applicationSupport),
            at(library, "Application Scripts", RemnantCategory::applicationScripts),
            at(library, "LaunchAgents", RemnantCategory::launchAgents),
            at(systemLibrary, "LaunchAgents", RemnantCategory::launchAgents),
            at(systemLibrary, "LaunchDaemons", RemnantCategory::launchDaemons),
            at(library, "Preferences", RemnantCategory::preferences),
            at(library, "Caches", RemnantCategory::caches),
            at(library, "Containers", RemnantCategory::containers),
            at(library, "Saved Application State", RemnantCategory::savedState),
            at(library, "Logs", RemnantCategory::logs)};
}

std::vector<ScanLocation> MacProfile::scanLocations() const
{
    return libraryLocations(*m_platform);
}

std::optional<LocationRefusal> MacProfile::refusal(const ScanLocation &location) const
{
    return location.refusal(*m_platform);
}

bool MacProfile::isCandidate(const ScanLocation &, const QString &name, bool) const
{
    return !name.startsWith(u'.') && !SystemNames::isSystemItem(name);
}

std::shared_ptr<const OwnerResolver> MacProfile::prepareResolver(const std::atomic<bool> *cancelled) const
{
    Inventory inventory = InstalledAppScanner(*m_platform, cancelled).scanInstalledApps();
    if (cancelled && cancelled->load())
        return nullptr;
    logInventorySummary(inventory);
    return std::make_shared<MacOwnerResolver>(std::move(inventory), *m_platform, m_identifierService);
}

void MacProfile::clearIdentificationCache() const
{
    m_identifierService->clearCache();
}

std::vector<Profile::ProtectedPath> MacProfile::protectedPaths() const
{
    return {{m_platform->homeDirectory(), ProtectedPlace::homeFolder},
            {m_platform->homeDirectory() / "Library", ProtectedPlace::homeLibrary},
            {m_platform->systemPath("/"), ProtectedPlace::rootFolder},
            {m_platform->systemPath("/Library"), ProtectedPlace::rootLibrary}};
}

void MacProfile::touchProtectedData() const
{
    // Reaching for protected data is what makes the Mac list the application under Full Disk Access.
    // Nothing is read or kept; elsewhere these folders are simply listed.
    const fs::path library = m_platform->homeDirectory() / "Library";
    for (const char *folder : {"Mail", "Safari"})
        m_platform->listDirectory(library / folder, Platform::Hidden::Include);
    if (const auto database = m_platform->privacyDatabase(); database && m_platform->isMacOS())
        m_platform->isReadable(*database);
}

std::optional<Profile::AccessProblem> MacProfile::accessProblem() const
{
    const fs::path home = m_platform->homeDirectory();
    if (m_platform->resolvedPath(home) == fs::path("/"))
        return AccessProblem{AccessProblem::Kind::rootAsHome, home};
    if (const auto database = m_platform->privacyDatabase(); database && m_platform->isMacOS()) {
        if (m_platform->isReadable(*database))
            return std::nullopt;
        return AccessProblem{AccessProblem::Kind::privacyControl, *database, AccessProblem::Folder::privacyDatabase};
    }
    // Where no privacy control guards the scan, the Library itself must be a folder that can be listed.
    const fs::path library = m_platform->homeDirectory() / "Library";
    if (m_platform->listDirectory(library, Platform::Hidden::Include))
        return std::nullopt;
    return AccessProblem{AccessProblem::Kind::unreadableFolder, library, AccessProblem::Folder::library};
}
