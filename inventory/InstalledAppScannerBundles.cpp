// SPDX-FileCopyrightText: 2026 The Leftscan developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The inventory sources that start from application bundles.
#include "inventory/InstalledAppScanner.h"

#include "inventory/InventoryKey.h"
#include "inventory/KeywordExtractor.h"
#include "inventory/ParallelWork.h"
#include "model/SystemNames.h"
#include "model/TextMetrics.h"
#include "platform/PathNames.h"
#include "platform/Platform.h"

#include <QSet>
#include <algorithm>

namespace fs = std::filesystem;

namespace {

constexpr qsizetype MinimumIdentifierPartLength = 4;
constexpr qsizetype MinimumHelperNameLength = 4;
constexpr qsizetype MinimumHelperKeywordLength = 5;
constexpr qsizetype MinimumIdentifierStringLength = 6;

bool isHelperGenericName(const QString &lowerName)
{
    return std::any_of(InstalledAppScanner::HelperGenericNames.begin(), InstalledAppScanner::HelperGenericNames.end(),
                       [&](std::string_view generic) { return lowerName == QLatin1StringView(generic); });
}

// A string that looks like a bundle identifier: dotted, no slash, more than five characters, no empty part.
bool looksLikeIdentifier(const QString &text)
{
    if (!text.contains(u'.') || text.contains(u'/'))
        return false;
    if (text.startsWith(u'.') || text.endsWith(u'.') || text.contains(QStringLiteral("..")))
        return false;
    return TextMetrics::characterCount(text) >= MinimumIdentifierStringLength;
}

} // namespace

std::optional<InstalledApp> InstalledAppScanner::applicationRecord(const fs::path &bundlePath, bool skipSystem) const
{
    const BundleFacts facts = bundleFacts(bundlePath);
    if (!facts.opened)
        return std::nullopt;
    if (skipSystem && facts.identifier && SystemNames::isSystemBundleIdentifier(*facts.identifier))
        return std::nullopt;
    InstalledApp record;
    record.name = PathNames::baseName(bundlePath);
    record.bundleID = facts.identifier.value_or(QString());
    record.url = InstalledApp::urlOf(bundlePath);
    record.version = facts.version;
    return record;
}

InstalledAppScanner::BundleFacts InstalledAppScanner::readBundle(const fs::path &bundle) const
{
    BundleFacts facts;
    const auto opened = m_platform.openBundle(bundle);
    if (!opened)
        return facts;
    facts.opened = true;
    facts.identifier = opened->identifier;
    if (opened->info)
        facts.version = opened->info->string("CFBundleShortVersionString");
    facts.helperKeys = helperKeys(bundle, &opened->info);
    return facts;
}

InstalledAppScanner::BundleFacts InstalledAppScanner::bundleFacts(const fs::path &bundle) const
{
    const QByteArray location = InstalledApp::urlOf(bundle);
    auto found = m_bundles.constFind(location);
    if (found == m_bundles.cend())
        found = m_bundles.insert(location, readBundle(bundle));
    return *found;
}

void InstalledAppScanner::readBundles(const std::vector<fs::path> &bundles) const
{
    std::vector<const fs::path *> unread;
    QSet<QByteArray> seen;
    for (const fs::path &bundle : bundles) {
        const QByteArray location = InstalledApp::urlOf(bundle);
        if (!m_bundles.contains(location) && !seen.contains(location)) {
            seen.insert(location);
            unread.push_back(&bundle);
        }
    }
    std::vector<std::optional<BundleFacts>> facts(unread.size());
    ParallelWork::forEachIndex(unread.size(), m_workers, [&](std::size_t index) {
        if (!isCancelled())
            facts[index] = readBundle(*unread[index]);
    });
    for (std::size_t index = 0; index < unread.size(); ++index) {
        if (facts[index])
            m_bundles.insert(InstalledApp::urlOf(*unread[index]), std::move(*facts[index]));
    }
}

std::vector<fs::path> InstalledAppScanner::applicationsIn(const fs::path &folder) const
{
    std::vector<fs::path> bundles;
    if (const auto children = m_platform.listDirectory(folder, Platform::Hidden::Skip)) {
        for (const DirectoryEntry &child : *children) {
            if (PathNames::hasExtension(child.path, "app"))
                bundles.push_back(child.path);
        }
    }
    return bundles;
}

std::vector<fs::path> InstalledAppScanner::workspaceApplications() const
{
    std::vector<fs::path> bundles;
    for (const std::string_view root : {"/Applications", "~/Applications", "/System/Applications"}) {
        // The walk itself cannot be stopped, but without bundles to open it is quick.
        m_platform.walkTree(resolve(root), [&](const DirectoryEntry &entry) {
            if (!isCancelled() && PathNames::hasExtension(entry.path, "app"))
                bundles.push_back(entry.path);
        });
    }
    return bundles;
}

void InstalledAppScanner::scanApplicationsDirectory(const fs::path &folder, Inventory &inventory) const
{
    indexBundles(applicationsIn(folder), false, inventory);
}

void InstalledAppScanner::scanWorkspaceApplications(Inventory &inventory) const
{
    indexBundles(workspaceApplications(), true, inventory);
}

void InstalledAppScanner::indexBundles(const std::vector<fs::path> &bundles, bool skipSystem,
                                       Inventory &inventory) const
{
    for (const fs::path &bundle : bundles) {
        if (isCancelled())
            return;
        if (const auto record = applicationRecord(bundle, skipSystem))
            indexApplication(*record, inventory);
    }
}

void InstalledAppScanner::scanRunningApplications(Inventory &inventory) const
{
    for (const RunningApplication &application : m_platform.runningApplications()) {
        if (isCancelled())
            return;
        if (!application.bundleIdentifier || !application.bundlePath)
            continue;
        if (SystemNames::isSystemBundleIdentifier(*application.bundleIdentifier))
            continue;
        InstalledApp record;
        record.name =
            application.localizedName ? *application.localizedName : PathNames::baseName(*application.bundlePath);
        record.bundleID = *application.bundleIdentifier;
        record.url = InstalledApp::urlOf(*application.bundlePath);
        indexApplication(record, inventory);
    }
}

void InstalledAppScanner::indexApplication(const InstalledApp &record, Inventory &inventory) const
{
    if (!record.bundleID.isEmpty())
        inventory.insert(record.bundleID.toLower(), record, Inventory::Claim::own);
    inventory.insert(InventoryKey::of(InventoryKey::Form::name, record.name.toLower()), record);
    for (const QString &word : KeywordExtractor::extractKeywords(record.name))
        inventory.insert(InventoryKey::of(InventoryKey::Form::keyword, word), record);
    for (const QString &part : record.bundleID.split(u'.')) {
        if (TextMetrics::characterCount(part) < MinimumIdentifierPartLength)
            continue;
        const QString lower = part.toLower();
        if (!SystemNames::isGenericBundleWord(lower))
            inventory.insert(InventoryKey::of(InventoryKey::Form::keyword, lower), record);
    }
    scanAppHelpers(record.path(), record, inventory);
}

void InstalledAppScanner::scanAppHelpers(const fs::path &bundle, const InstalledApp &record, Inventory &inventory) const
{
    // An application found by several sources is searched once per scan; later indexings write the same keys
    // again, in the same order, with their own record.
    const QByteArray location = InstalledApp::urlOf(bundle);
    auto cached = m_bundles.find(location);
    if (cached == m_bundles.end())
        cached = m_bundles.insert(location, BundleFacts{});
    if (!cached->helperKeys)
        cached->helperKeys = helperKeys(bundle);
    const std::vector<HelperKey> keys = *cached->helperKeys;
    for (const HelperKey &key : keys)
        inventory.insert(key.key, record, key.claim);
}

std::vector<InstalledAppScanner::HelperKey>
InstalledAppScanner::helperKeys(const fs::path &bundle, const std::optional<PropertyList> *info) const
{
    std::vector<HelperKey> keys;
    const auto mentioned = [&keys](const PropertyList &list) {
        for (QString &key : identifierStrings(list))
            keys.push_back({std::move(key), Inventory::Claim::mention});
    };
    for (const std::string_view subfolder : HelperSubfolders) {
        const fs::path folder = bundle / fs::path(subfolder);
        if (!m_platform.isReadable(folder) || !m_platform.exists(folder))
            continue;
        // A link, whether one of these folders or an item in one, is no part of the application: it may lead
        // anywhere, such as back up and out of the bundle to other applications.
        if (m_platform.entryKind(folder) == Platform::EntryKind::symbolicLink)
            continue;
        const auto children = m_platform.listDirectory(folder, Platform::Hidden::Include);
        if (!children)
            continue;
        for (const DirectoryEntry &child : *children) {
            const QString helperName = PathNames::baseName(child.path);
            const QString lower = helperName.toLower();
            if (isHelperGenericName(lower))
                continue;
            if (TextMetrics::characterCount(lower) >= MinimumHelperNameLength)
                keys.push_back({InventoryKey::of(InventoryKey::Form::helper, lower)});
            if (!child.isSymbolicLink &&
                (PathNames::hasExtension(child.path, "app") || PathNames::hasExtension(child.path, "xpc"))) {
                if (const auto helper = m_platform.openBundle(child.path); helper && helper->identifier)
                    keys.push_back({helper->identifier->toLower(), Inventory::Claim::helper});
            }
            for (const QString &word : KeywordExtractor::extractKeywords(helperName)) {
                if (TextMetrics::characterCount(word) >= MinimumHelperKeywordLength)
                    keys.push_back({InventoryKey::of(InventoryKey::Form::keyword, word)});
            }
        }
    }

    const fs::path infoPath = bundle / "Contents" / "Info.plist";
    if (!m_platform.isReadable(infoPath))
        return keys;
    if (info) {
        if (*info && (*info)->isDictionary())
            mentioned(**info);
        return keys;
    }
    if (const auto read = m_platform.readPropertyList(infoPath); read && read->isDictionary())
        mentioned(*read);
    return keys;
}

QStringList InstalledAppScanner::identifierStrings(const PropertyList &list)
{
    QStringList keys;
    list.forEachString([&](const QString &text) {
        if (looksLikeIdentifier(text))
            keys.append(text.toLower());
    });
    return keys;
}
