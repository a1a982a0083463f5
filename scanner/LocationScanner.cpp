#include "scanner/LocationScanner.h"

#include "identification/OwnerIdentifier.h"
#include "model/Clock.h"
#include "model/SystemNames.h"
#include "platform/PathNames.h"
#include "platform/Platform.h"
#include "scanner/RemnantClassifier.h"

#include <QThread>

LocationScanner::Result LocationScanner::scanLocation(const ScanLocation &location, const Platform &platform,
                                                      const OwnerIdentifier &identifier, AppIdentifierService &service,
                                                      int staleThresholdDays, const ScanProgressHandler &progress,
                                                      const ScanBatchHandler &batch, QThread *recordThread,
                                                      const std::atomic<bool> *cancelled)
{
    Result result;
    std::vector<RemnantItemPtr> &records = result.rest;
    const std::filesystem::path &folder = location.path.url;
    const auto notScanned = [&](const QString &reason) {
        result.warning = QStringLiteral("%1 was not scanned: %2").arg(PathNames::text(folder), reason);
        return result;
    };
    if (const auto refusal = location.refusal(platform))
        return notScanned(*refusal);
    if (platform.entryKind(folder) == Platform::EntryKind::missing)
        return result;
    const auto children = platform.listDirectory(folder, Platform::Hidden::Skip);
    if (!children)
        return notScanned(QStringLiteral("it cannot be listed"));

    const int total = int(children->size());
    int processed = 0;
    records.reserve(BatchSize);
    for (const DirectoryEntry &child : *children) {
        if (cancelled && cancelled->load(std::memory_order_relaxed))
            break;
        const QString name = PathNames::fileName(child.path);
        if (SystemNames::isSystemItem(name))
            continue;
        const FileAttributes attributes = platform.attributes(child.path);
        const qint64 size = attributes.totalFileSize.value_or(attributes.fileSize.value_or(0));
        const std::optional<QDateTime> lastOpened = platform.lastUsedDate(child.path);

        const OwnerIdentification owner = identifier.identifyOwner(name, child.path, service);
        RemnantClassifier::Input input;
        input.bundleIdentifier = owner.bundleID;
        input.appName = owner.appName;
        input.verdict = owner.status;
        input.lastOpened = lastOpened;
        input.lastUsed = attributes.accessed;
        input.lastModified = attributes.modified;
        input.thresholdDays = staleThresholdDays;
        input.now = Clock::now();
        const RemnantClassifier::Result verdict = RemnantClassifier::classify(input);

        RemnantItem::Fields fields;
        fields.url = child.path;
        fields.category = location.category;
        fields.status = verdict.status;
        fields.bundleIdentifier = verdict.bundleIdentifier;
        fields.matchedAppName = verdict.matchedAppName;
        fields.fileSize = size;
        fields.lastModified = attributes.modified;
        fields.lastOpened = lastOpened;
        fields.lastUsed = attributes.accessed;
        fields.creationDate = attributes.created;
        fields.risk = verdict.risk;
        fields.evidence = owner.evidence;
        fields.weakMatch = owner.weakMatch;
        if (verdict.status == RemnantStatus::orphan)
            fields.lookalikes = identifier.lookalikes().find(
                name.toLower(), owner.label ? std::optional<QString>(owner.label->toLower()) : std::nullopt);
        auto record = std::make_shared<RemnantItem>(std::move(fields));
        if (recordThread)
            record->moveToThread(recordThread);
        records.push_back(std::move(record));
        ++processed;

        if (processed == total || processed % ProgressInterval == 0)
            progress(processed, total);
        if (int(records.size()) >= BatchSize) {
            batch(records);
            records.clear();
        }
        if (processed % BatchSize == 0)
            QThread::yieldCurrentThread();
    }
    return result;
}
