#include "linuxdesktop/LinuxLocationScanner.h"

#include "linuxdesktop/DesktopNames.h"
#include "linuxdesktop/LinuxOwnerIdentifier.h"
#include "model/Clock.h"
#include "platform/PathNames.h"
#include "platform/Platform.h"
#include "scanner/RemnantClassifier.h"

#include <QThread>

std::optional<QString> LinuxLocationScanner::refusal(const ScanLocation &location, const Platform &platform)
{
    const std::filesystem::path &folder = location.path.url;
    const std::filesystem::path &home = platform.homeDirectory();
    if (folder == home)
        return std::nullopt;
    if (platform.entryKind(folder) == Platform::EntryKind::symbolicLink)
        return QStringLiteral("it is a symbolic link");
    if (platform.entryKind(folder) != Platform::EntryKind::folder)
        return std::nullopt;
    const auto resolved = platform.resolvedPath(folder);
    const auto resolvedHome = platform.resolvedPath(home);
    if (!resolved || !resolvedHome)
        return QStringLiteral("it cannot be resolved");
    if (*resolved == *resolvedHome || !ScanLocation::holds(*resolvedHome, *resolved)) {
        return QStringLiteral("it resolves to %1, which is not inside %2")
            .arg(PathNames::text(*resolved), PathNames::text(home));
    }
    return std::nullopt;
}

bool LinuxLocationScanner::isCandidate(const ScanLocation &location, const QString &name, bool isDirectory)
{
    if (DesktopNames::isDesktopItem(name))
        return false;
    switch (location.category) {
    case RemnantCategory::autostart:
    case RemnantCategory::menuEntries:
        return !isDirectory && name.endsWith(QStringLiteral(".desktop"));
    case RemnantCategory::userServices:
        return !isDirectory && (name.endsWith(QStringLiteral(".service")) || name.endsWith(QStringLiteral(".timer")));
    case RemnantCategory::dotFolders:
        return isDirectory && name.startsWith(u'.');
    default:
        return true;
    }
}

LocationScanner::Result LinuxLocationScanner::scanLocation(const ScanLocation &location, const Platform &platform,
                                                           const LinuxOwnerIdentifier &identifier,
                                                           int staleThresholdDays,
                                                           const LocationScanner::ScanProgressHandler &progress,
                                                           const LocationScanner::ScanBatchHandler &batch,
                                                           QThread *recordThread, const std::atomic<bool> *cancelled)
{
    LocationScanner::Result result;
    const std::filesystem::path &folder = location.path.url;
    if (const auto reason = refusal(location, platform)) {
        result.warning = QStringLiteral("%1 was not scanned: %2").arg(PathNames::text(folder), *reason);
        return result;
    }
    if (platform.entryKind(folder) == Platform::EntryKind::missing)
        return result;
    const auto children = platform.listDirectory(folder, Platform::Hidden::Include);
    if (!children) {
        result.warning = QStringLiteral("%1 was not scanned: it cannot be listed").arg(PathNames::text(folder));
        return result;
    }

    std::vector<const DirectoryEntry *> entries;
    for (const DirectoryEntry &child : *children) {
        if (isCandidate(location, PathNames::fileName(child.path), child.isDirectory))
            entries.push_back(&child);
    }
    const int total = int(entries.size());
    int processed = 0;
    std::vector<RemnantItemPtr> &records = result.rest;
    for (const DirectoryEntry *child : entries) {
        if (cancelled && cancelled->load(std::memory_order_relaxed))
            break;
        const QString name = PathNames::fileName(child->path);
        const FileAttributes attributes = platform.attributes(child->path);
        const std::optional<QDateTime> lastOpened = platform.lastUsedDate(child->path);
        const LinuxOwnerIdentifier::Attribution attribution =
            identifier.identifyOwner(name, child->path, location.category);

        RemnantClassifier::Input input;
        input.bundleIdentifier = attribution.owner.bundleID;
        input.appName = attribution.owner.appName;
        input.verdict = attribution.owner.status;
        input.lastOpened = lastOpened;
        input.lastUsed = attributes.accessed;
        input.lastModified = attributes.modified;
        input.thresholdDays = staleThresholdDays;
        input.now = Clock::now();
        RemnantClassifier::Result verdict = RemnantClassifier::classify(input);
        if (verdict.status == RemnantStatus::orphan)
            verdict.risk = LinuxOwnerIdentifier::orphanRisk(location.category);
        else if (attribution.weak)
            verdict.risk = RemnantRisk::caution;

        RemnantItem::Fields fields;
        fields.url = child->path;
        fields.category = location.category;
        fields.status = verdict.status;
        fields.bundleIdentifier = verdict.bundleIdentifier;
        fields.matchedAppName = verdict.matchedAppName;
        fields.fileSize = attributes.totalFileSize.value_or(attributes.fileSize.value_or(0));
        fields.lastModified = attributes.modified;
        fields.lastOpened = lastOpened;
        fields.lastUsed = attributes.accessed;
        fields.creationDate = attributes.created;
        fields.risk = verdict.risk;
        fields.evidence = attribution.owner.evidence;
        fields.weakMatch = attribution.weak;
        if (verdict.status == RemnantStatus::orphan)
            fields.lookalikes = identifier.lookalikes(name);
        auto record = std::make_shared<RemnantItem>(std::move(fields));
        if (recordThread)
            record->moveToThread(recordThread);
        records.push_back(std::move(record));
        ++processed;

        if (processed == total || processed % LocationScanner::ProgressInterval == 0)
            progress(processed, total);
        if (int(records.size()) >= LocationScanner::BatchSize) {
            batch(records);
            records.clear();
        }
        if (processed % LocationScanner::BatchSize == 0)
            QThread::yieldCurrentThread();
    }
    return result;
}
