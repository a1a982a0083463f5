// SPDX-FileCopyrightText: 2026 The Leftscan developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "scanner/LocationScanner.h"

#include "inventory/ParallelWork.h"
#include "inventory/StageTimings.h"
#include "model/Clock.h"
#include "platform/DiagnosticLog.h"
#include "platform/Platform.h"
#include "scanner/EvidencePool.h"
#include "scanner/ListingRule.h"
#include "scanner/OwnerResolver.h"
#include "scanner/Profile.h"
#include "scanner/RemnantClassifier.h"

#include <QThread>

namespace {

// What is read and decided for one entry before its record is made.
struct EntryFacts {
    QString name;
    FileAttributes attributes;
    std::optional<QDateTime> lastOpened;
    OwnerResolver::Attribution attribution;
};

} // namespace

LocationScanner::Result LocationScanner::scanLocation(const ScanLocation &location, const Platform &platform,
                                                      const Profile &profile, const OwnerResolver &resolver,
                                                      int staleThresholdDays, const ScanProgressHandler &progress,
                                                      const ScanBatchHandler &batch, const std::atomic<bool> *cancelled,
                                                      int workers)
{
    Result result;
    // Records are made as values, one batch in one block.
    std::vector<RemnantItem> records;
    const std::filesystem::path &folder = location.path.url;
    const auto notScanned = [&](const LocationRefusal &reason) {
        result.warning = ScanWarning{ScanWarning::NotScanned{folder, reason}};
        return result;
    };
    const Profile::UseRules useRules = profile.useRules();
    if (const auto refusal = profile.refusal(location))
        return notScanned(*refusal);
    // By names: a folder of many entries would take many times the memory as paths.
    std::optional<std::vector<ListedName>> children;
    {
        const StageTimings::Scope timing(StageTimings::Stage::listing);
        if (platform.entryKind(folder) == Platform::EntryKind::missing)
            return result;
        children = platform.listNames(folder, profile.hiddenEntries());
    }
    if (!children)
        return notScanned(LocationRefusal{LocationRefusal::Kind::unlistable});

    if (workers < 1)
        workers = ParallelWork::defaultWorkers();
    auto isCancelled = [cancelled] {
        return cancelled && cancelled->load(std::memory_order_relaxed);
    };
    const ListingRule rule(profile);
    const int total = int(children->size());
    int processed = 0;
    records.reserve(BatchSize);
    std::vector<EntryFacts> facts;
    EvidencePool evidence;
    // The chunk's entries that count, as paths.
    std::vector<std::filesystem::path> kept;
    for (std::size_t chunkStart = 0; chunkStart < children->size() && !isCancelled(); chunkStart += ChunkSize) {
        const std::size_t chunkEnd = std::min(children->size(), chunkStart + std::size_t(ChunkSize));
        kept.clear();
        facts.clear();
        for (std::size_t i = chunkStart; i < chunkEnd; ++i) {
            const ListedName &child = (*children)[i];
            if (!rule.lists(location, child.name, child.isDirectory))
                continue;
            QString name = QString::fromUtf8(child.name.data(), qsizetype(child.name.size()));
            if (!resolver.isCandidate(name, location.category))
                continue;
            kept.push_back(folder / child.name);
            facts.push_back(EntryFacts{std::move(name), {}, {}, {}});
        }
        {
            const StageTimings::Scope timing(StageTimings::Stage::listing);
            ParallelWork::forEachIndex(kept.size(), workers, [&](std::size_t i) {
                if (isCancelled())
                    return;
                facts[i].attributes = platform.attributes(kept[i]);
                facts[i].lastOpened = platform.lastUsedDate(kept[i]);
            });
        }
        const StageTimings::Scope timing(StageTimings::Stage::identification);
        ParallelWork::forEachIndex(kept.size(), workers, [&](std::size_t i) {
            if (!isCancelled())
                facts[i].attribution = resolver.identify(facts[i].name, kept[i], location.category);
        });

        for (std::size_t i = 0; i < kept.size(); ++i) {
            if (isCancelled())
                break;
            EntryFacts &entry = facts[i];
            for (const QString &line : entry.attribution.log)
                DiagnosticLog::write(line);
            const FileAttributes &attributes = entry.attributes;
            const qint64 size = attributes.totalFileSize.value_or(attributes.fileSize.value_or(0));
            const OwnerIdentification &owner = entry.attribution.owner;
            RemnantClassifier::Input input;
            input.bundleIdentifier = owner.bundleID;
            input.appName = owner.appName;
            input.verdict = owner.status;
            input.lastOpened = entry.lastOpened;
            const std::optional<QDateTime> accessed =
                useRules.accessTellsUse ? attributes.accessed : std::optional<QDateTime>();
            input.lastUsed = accessed;
            input.recentUseMeansOwned = useRules.recentUseMeansOwned;
            input.lastModified = attributes.modified;
            input.thresholdDays = staleThresholdDays;
            input.now = Clock::now();
            RemnantClassifier::Result verdict = RemnantClassifier::classify(input);
            if (verdict.status == RemnantStatus::orphan)
                verdict.risk = profile.orphanRisk(location.category);
            else if (entry.attribution.cautious)
                verdict.risk = RemnantRisk::caution;

            RemnantItem::Fields fields;
            fields.url = kept[i];
            fields.category = location.category;
            fields.status = verdict.status;
            fields.bundleIdentifier = verdict.bundleIdentifier;
            fields.matchedAppName = verdict.matchedAppName;
            fields.fileSize = size;
            fields.lastModified = attributes.modified;
            fields.lastOpened = entry.lastOpened;
            fields.lastUsed = accessed;
            fields.lastUseFromChanges = !useRules.accessTellsUse;
            fields.creationDate = attributes.created;
            fields.risk = verdict.risk;
            fields.evidence = evidence.shared(owner.evidence);
            fields.weakMatch = owner.weakMatch;
            fields.ownerUnnamed = owner.unnamed || verdict.unnamed;
            if (verdict.status == RemnantStatus::orphan)
                fields.lookalikes = resolver.lookalikes(entry.name, entry.attribution);
            records.emplace_back(std::move(fields));
            ++processed;

            if (processed == total || processed % ProgressInterval == 0)
                progress(processed, total);
            if (int(records.size()) >= BatchSize) {
                batch(RemnantItem::inOneBlock(std::move(records)));
                records.clear();
                records.reserve(BatchSize);
            }
            if (processed % BatchSize == 0)
                QThread::yieldCurrentThread();
        }
        // The chunk's names live on in its records: a large folder's listing need not stay whole until its end.
        for (std::size_t i = chunkStart; i < chunkEnd; ++i)
            std::string().swap((*children)[i].name);
    }
    result.rest = RemnantItem::inOneBlock(std::move(records));
    return result;
}
