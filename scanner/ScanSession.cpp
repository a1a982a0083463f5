// SPDX-FileCopyrightText: 2026 The Leftscan developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "scanner/ScanSession.h"

#include "platform/DiagnosticLog.h"
#include "platform/PathNames.h"
#include "platform/Platform.h"
#include "scanner/LocationScanner.h"
#include "scanner/OwnerResolver.h"
#include "scanner/Profile.h"

#include <QSet>
#include <algorithm>

ScanSession::ScanSession(std::shared_ptr<const Platform> platform, std::shared_ptr<const Profile> profile,
                         SessionQuestions &questions, QObject *parent)
    : QObject(parent)
    , m_platform(std::move(platform))
    , m_profile(std::move(profile))
    , m_questions(questions)
{}

ScanSession::~ScanSession()
{
    // The workers' queued calls die with this object; the workers themselves must not outlive what they read, so
    // they are told to stop first. A privileged run that waits for its password is waited for.
    m_scanCancelled->store(true);
    m_actionStopped->store(true);
    stopSizes();
    for (Worker *worker : {&m_worker, &m_actionWorker}) {
        if (worker->thread.joinable())
            worker->thread.join();
    }
    joinRetired(true);
}

void ScanSession::setStage(Stage stage)
{
    if (m_stage == stage)
        return;
    m_stage = stage;
    emit stageChanged(stage);
}

void ScanSession::runInBackground(Worker &worker, std::shared_ptr<const std::atomic<bool>> stop,
                                  std::function<std::function<void()>()> work)
{
    // The work runs on its own thread and returns what is to be done here with its result; that continuation
    // is queued to this object, so it is dropped if the session is gone by then, or `stop` set.
    if (worker.thread.joinable())
        worker.thread.join(); // one that has queued its continuation and is about to end
    worker.done = std::make_shared<std::atomic<bool>>(false);
    worker.thread = std::thread([this, stop = std::move(stop), work = std::move(work), done = worker.done] {
        std::function<void()> continuation = work();
        m_calls.post([stop, continuation = std::move(continuation)] {
            if (!stop->load() && continuation)
                continuation();
        });
        done->store(true);
    });
}

void ScanSession::retire(Worker &worker)
{
    if (worker.thread.joinable())
        m_retired.push_back(std::move(worker));
    worker = Worker{};
    joinRetired(false);
}

void ScanSession::joinRetired(bool wait)
{
    for (auto it = m_retired.begin(); it != m_retired.end();) {
        if (wait || it->done->load()) {
            it->thread.join();
            it = m_retired.erase(it);
        } else {
            ++it;
        }
    }
}

void ScanSession::renumber()
{
    for (const RemnantItemPtr &item : std::as_const(m_items))
        item->m_listOrder = m_nextOrder++;
}

void ScanSession::resetItems()
{
    ++m_listGeneration;
    if (m_items.isEmpty())
        return;
    m_items.clear();
    emit itemsReset();
}

void ScanSession::appendItems(const std::vector<RemnantItemPtr> &records)
{
    if (records.empty())
        return;
    const qsizetype first = m_items.size();
    for (const RemnantItemPtr &record : records) {
        m_items.append(record);
        record->m_listOrder = m_nextOrder++;
    }
    emit itemsAppended(first, qsizetype(records.size()));
}

void ScanSession::removeItems(const QList<RemnantItemPtr> &items)
{
    if (items.isEmpty())
        return;
    const QSet<const RemnantItem *> taken = [&] {
        QSet<const RemnantItem *> set;
        for (const RemnantItemPtr &item : items)
            set.insert(item.get());
        return set;
    }();
    QList<RemnantItemPtr> removed;
    m_items.removeIf([&](const RemnantItemPtr &item) {
        if (!taken.contains(item.get()))
            return false;
        removed.append(item);
        return true;
    });
    if (!removed.isEmpty())
        emit itemsRemoved(removed);
}

void ScanSession::insertItems(const QList<TrashedItem> &items)
{
    if (items.isEmpty())
        return;
    QList<TrashedItem> sorted = items;
    std::sort(sorted.begin(), sorted.end(),
              [](const TrashedItem &a, const TrashedItem &b) { return a.order < b.order; });
    QList<qsizetype> positions;
    for (const TrashedItem &trashed : std::as_const(sorted)) {
        // Before the first item that stood after it.
        const auto at = std::find_if(m_items.cbegin(), m_items.cend(),
                                     [&](const RemnantItemPtr &item) { return item->m_listOrder > trashed.order; });
        const qsizetype position = at - m_items.cbegin();
        m_items.insert(position, trashed.item);
        trashed.item->m_listOrder = trashed.order;
        positions.append(position);
    }
    emit itemsInserted(positions);
}

bool ScanSession::start(int staleThresholdDays)
{
    if (isScanning() || m_profile->accessProblem())
        return false;
    stopSizes();
    m_scanCancelled = std::make_shared<std::atomic<bool>>(false);
    m_staleThresholdDays = staleThresholdDays;
    resetItems();
    if (std::exchange(m_listedCount, 0) != 0)
        emit listedCountChanged(0);
    if (std::exchange(m_progress, 0.0) != 0.0)
        emit progressChanged(0);
    if (!m_warnings.empty()) {
        m_warnings.clear();
        emit warningsChanged();
    }
    m_currentLocation.reset();
    setStage(Stage::inventory);

    auto work = [profile = m_profile, cancelled = m_scanCancelled, this]() -> std::function<void()> {
        std::shared_ptr<const OwnerResolver> resolver = profile->prepareResolver(cancelled.get());
        if (!resolver)
            return {};
        return [this, resolver = std::move(resolver)] {
            inventoryFinished(resolver);
        };
    };
    runInBackground(m_worker, m_scanCancelled, std::move(work));
    return true;
}

void ScanSession::inventoryFinished(std::shared_ptr<const OwnerResolver> resolver)
{
    m_worker.thread.join();
    m_resolver = std::move(resolver);
    m_protectedItems = m_resolver->protectedItems();
    m_locations = m_profile->scanLocations();
    for (const ScanWarning &warning : m_profile->locationWarnings())
        addWarning(warning);
    m_locationIndex = 0;
    m_listedFolders.clear();
    setStage(Stage::listing);
    scanNextLocation();
}

void ScanSession::scanNextLocation()
{
    if (m_locationIndex >= m_locations.size()) {
        finishScan();
        return;
    }
    const std::size_t index = m_locationIndex;
    const double count = double(m_locations.size());
    const ScanLocation location = m_locations[index];
    m_currentLocation = location;
    emit locationStarted();
    m_progress = double(index) / count;
    emit progressChanged(m_progress);
    const int base = m_listedCount;

    const std::shared_ptr<const std::atomic<bool>> cancelled = m_scanCancelled;
    auto progress = [this, cancelled, index, count, base](int processed, int total) {
        const double fraction = total < 1 ? 0.0 : double(processed) / double(total);
        const double overall = std::min(1.0, double(index) / count + fraction / count);
        m_calls.post([this, cancelled, overall, base, processed] {
            if (cancelled->load())
                return;
            m_progress = overall;
            emit progressChanged(overall);
            m_listedCount = base + processed;
            emit listedCountChanged(m_listedCount);
        });
    };
    auto batch = [this, cancelled](const std::vector<RemnantItemPtr> &records) {
        m_calls.post([this, cancelled, records] {
            if (!cancelled->load())
                appendItems(records);
        });
    };
    auto work = [this, location, platform = m_platform, profile = m_profile, resolver = m_resolver,
                 threshold = m_staleThresholdDays, progress, batch, cancelled,
                 listedBefore = m_listedFolders]() -> std::function<void()> {
        std::optional<std::filesystem::path> folder = platform->resolvedPath(location.path.url);
        if (folder && std::find(listedBefore.begin(), listedBefore.end(), *folder) != listedBefore.end()) {
            const ScanWarning warning{ScanWarning::NotScanned{
                location.path.url, LocationRefusal{LocationRefusal::Kind::scannedAlready, *folder}}};
            return [this, warning] {
                locationFinished({}, warning, std::nullopt);
            };
        }
        LocationScanner::Result result = LocationScanner::scanLocation(location, *platform, *profile, *resolver,
                                                                       threshold, progress, batch, cancelled.get());
        if (result.warning)
            folder.reset();
        return [this, result = std::move(result), folder]() mutable {
            locationFinished(std::move(result.rest), result.warning, folder);
        };
    };
    runInBackground(m_worker, m_scanCancelled, std::move(work));
}

void ScanSession::locationFinished(std::vector<RemnantItemPtr> records, const std::optional<ScanWarning> &warning,
                                   const std::optional<std::filesystem::path> &listed)
{
    m_worker.thread.join();
    appendItems(records);
    if (listed)
        m_listedFolders.push_back(*listed);
    if (warning)
        addWarning(*warning);
    ++m_locationIndex;
    // The next location starts from the event loop, so that everything queued so far is handled first.
    QMetaObject::invokeMethod(
        this,
        [this, cancelled = m_scanCancelled] {
            if (!cancelled->load())
                scanNextLocation();
        },
        Qt::QueuedConnection);
}

void ScanSession::addWarning(const ScanWarning &warning)
{
    if (const auto *notScanned = std::get_if<ScanWarning::NotScanned>(&warning.what)) {
        DiagnosticLog::write(
            QStringLiteral("⚠️ %1 was not scanned (%2)")
                .arg(PathNames::text(notScanned->folder), LocationRefusal::keyOf(notScanned->reason.kind)));
    } else {
        const auto &passedOver = std::get<XdgBaseFolders::PassedOver>(warning.what);
        DiagnosticLog::write(QStringLiteral("⚠️ %1=%2 passed over")
                                 .arg(QString::fromStdString(passedOver.variable), PathNames::text(passedOver.folder)));
    }
    m_warnings.push_back(warning);
    emit warningsChanged();
}

void ScanSession::finishScan()
{
    sortItems();
    m_progress = 1.0;
    emit progressChanged(1.0);
    endScan();
    if (m_measuresSizes)
        startSizes();
    emit scanFinished();
}

void ScanSession::cancel()
{
    stopSizes();
    if (!isScanning())
        return;
    m_scanCancelled->store(true);
    // Its thread ends on its own before its next entry; what it queues is dropped.
    retire(m_worker);
    sortItems();
    endScan();
    emit scanCancelled();
}

void ScanSession::sortItems()
{
    std::stable_sort(m_items.begin(), m_items.end(), [](const RemnantItemPtr &a, const RemnantItemPtr &b) {
        const bool aOrphan = a->status() == RemnantStatus::orphan;
        const bool bOrphan = b->status() == RemnantStatus::orphan;
        if (aOrphan != bOrphan)
            return aOrphan;
        return a->fileSize() > b->fileSize();
    });
    renumber();
    emit itemsReset();
}

void ScanSession::endScan()
{
    m_resolver.reset();
    m_currentLocation.reset();
    setStage(Stage::idle);
}
