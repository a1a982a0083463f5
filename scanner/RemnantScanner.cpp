#include "scanner/RemnantScanner.h"

#include "platform/DiagnosticLog.h"
#include "platform/PathNames.h"
#include "platform/Platform.h"
#include "scanner/LocationScanner.h"
#include "scanner/Profile.h"
#include "scanner/RemnantFilter.h"
#include "scanner/RemnantSummary.h"
#include "scanner/ScanLocation.h"

#include <QSet>
#include <algorithm>

RemnantScanner::RemnantScanner(std::shared_ptr<const Platform> platform, std::shared_ptr<const Profile> profile,
                               AlertPresenter &alerts, QObject *parent)
    : QObject(parent)
    , m_platform(std::move(platform))
    , m_profile(std::move(profile))
    , m_alerts(alerts)
{}

std::span<const RemnantCategory> RemnantScanner::categories() const
{
    return m_profile->categories();
}

void RemnantScanner::clearIdentificationCache() const
{
    m_profile->clearIdentificationCache();
}

RemnantScanner::~RemnantScanner()
{
    // The workers' queued calls die with this object; the workers themselves must not outlive what they read, so
    // they are told to stop first. A privileged run that waits for its password is waited for.
    m_scanCancelled->store(true);
    m_actionStopped->store(true);
    stopSizes();
    if (m_worker.joinable())
        m_worker.join();
    if (m_actionWorker.joinable())
        m_actionWorker.join();
}

void RemnantScanner::setSelectedCategory(std::optional<RemnantCategory> category)
{
    publish(m_selectedCategory, category, &RemnantScanner::selectedCategoryChanged);
}

void RemnantScanner::setSearchText(const QString &text)
{
    publish(m_searchText, text, &RemnantScanner::searchTextChanged);
}

void RemnantScanner::setFilterOrphansOnly(bool value)
{
    publish(m_filterOrphansOnly, value, &RemnantScanner::filterOrphansOnlyChanged);
}

void RemnantScanner::setFilterStaleOnly(bool value)
{
    publish(m_filterStaleOnly, value, &RemnantScanner::filterStaleOnlyChanged);
}

void RemnantScanner::setHideInstalledApps(bool value)
{
    publish(m_hideInstalledApps, value, &RemnantScanner::hideInstalledAppsChanged);
}

void RemnantScanner::setStaleThresholdDays(int days)
{
    publish(m_staleThresholdDays, days, &RemnantScanner::staleThresholdDaysChanged);
}

void RemnantScanner::resetRemnants()
{
    ++m_listGeneration;
    if (m_remnants.isEmpty())
        return;
    m_remnants.clear();
    emit remnantsReset();
    emit remnantsChanged();
}

void RemnantScanner::appendRemnants(const std::vector<RemnantItemPtr> &records)
{
    if (records.empty())
        return;
    const qsizetype first = m_remnants.size();
    m_remnants.append(QList<RemnantItemPtr>(records.begin(), records.end()));
    emit remnantsAppended(first, qsizetype(records.size()));
    emit remnantsChanged();
}

void RemnantScanner::removeRemnants(const QList<RemnantItemPtr> &items)
{
    if (items.isEmpty())
        return;
    QSet<QUuid> ids;
    for (const RemnantItemPtr &item : items)
        ids.insert(item->id());
    // From the end, so that every index told is one of the list as it is at that moment.
    for (qsizetype i = m_remnants.size() - 1; i >= 0; --i) {
        if (ids.contains(m_remnants[i]->id())) {
            m_remnants.removeAt(i);
            emit remnantRemoved(i);
        }
    }
    emit remnantsChanged();
}

void RemnantScanner::runInBackground(std::thread &worker, std::shared_ptr<const std::atomic<bool>> stop,
                                     std::function<std::function<void()>()> work)
{
    // The work runs on its own thread and returns what is to be done here with its result; that continuation
    // is queued to this object, so it is dropped if the scanner is gone by then, or `stop` set.
    if (worker.joinable())
        worker.join(); // one that has just queued its continuation, or a cancelled scan's, about to end
    worker = std::thread([this, stop = std::move(stop), work = std::move(work)] {
        std::function<void()> continuation = work();
        m_calls.post([stop, continuation = std::move(continuation)] {
            if (!stop->load() && continuation)
                continuation();
        });
    });
}

void RemnantScanner::scan()
{
    if (m_isScanning)
        return;
    triggerFullDiskAccessRegistration();
    if (!hasFullDiskAccess()) {
        promptForFullDiskAccess();
        emit scanRefused();
        return;
    }

    stopSizes();
    m_scanCancelled = std::make_shared<std::atomic<bool>>(false);
    publish(m_isScanning, true, &RemnantScanner::isScanningChanged);
    publish(m_isScanInProgress, true, &RemnantScanner::isScanInProgressChanged);
    publish(m_hasStartedScan, true, &RemnantScanner::hasStartedScanChanged);
    resetRemnants();
    publish(m_totalScannedItems, 0, &RemnantScanner::totalScannedItemsChanged);
    publish(m_scanProgress, 0.0, &RemnantScanner::scanProgressChanged);
    publish(m_hasScanned, false, &RemnantScanner::hasScannedChanged);
    publish(m_scanWarnings, QStringList(), &RemnantScanner::scanWarningsChanged);
    publish(m_scanStatus, QStringLiteral("Detecting installed apps..."), &RemnantScanner::scanStatusChanged);
    publish(m_isScanningApps, true, &RemnantScanner::isScanningAppsChanged);

    auto work = [this, profile = m_profile, cancelled = m_scanCancelled]() -> std::function<void()> {
        std::shared_ptr<const OwnerResolver> resolver = profile->prepareResolver(cancelled.get());
        if (!resolver)
            return {};
        return [this, resolver = std::move(resolver)] {
            inventoryFinished(resolver);
        };
    };
    runInBackground(m_worker, m_scanCancelled, std::move(work));
}

void RemnantScanner::inventoryFinished(std::shared_ptr<const OwnerResolver> resolver)
{
    m_worker.join();
    m_resolver = std::move(resolver);
    m_protectedItems = m_resolver->protectedItems();
    publish(m_isScanningApps, false, &RemnantScanner::isScanningAppsChanged);
    m_locations = m_profile->scanLocations();
    m_locationIndex = 0;
    m_listedFolders.clear();
    scanNextLocation();
}

void RemnantScanner::scanNextLocation()
{
    if (m_locationIndex >= m_locations.size()) {
        finishScan();
        return;
    }
    const std::size_t index = m_locationIndex;
    const double count = double(m_locations.size());
    const ScanLocation location = m_locations[index];
    publish(m_scanStatus, QStringLiteral("Scanning: ") + PathNames::fileName(location.path.url),
            &RemnantScanner::scanStatusChanged);
    publish(m_scanProgress, double(index) / count, &RemnantScanner::scanProgressChanged);
    const int base = m_totalScannedItems;

    const std::shared_ptr<const std::atomic<bool>> cancelled = m_scanCancelled;
    auto progress = [this, cancelled, index, count, base](int processed, int total) {
        const double fraction = total < 1 ? 0.0 : double(processed) / double(total);
        const double overall = std::min(1.0, double(index) / count + fraction / count);
        m_calls.post([this, cancelled, overall, base, processed] {
            if (cancelled->load())
                return;
            publish(m_scanProgress, overall, &RemnantScanner::scanProgressChanged);
            publish(m_totalScannedItems, base + processed, &RemnantScanner::totalScannedItemsChanged);
        });
    };
    auto batch = [this, cancelled](const std::vector<RemnantItemPtr> &records) {
        m_calls.post([this, cancelled, records] {
            if (!cancelled->load())
                appendRemnants(records);
        });
    };
    auto work = [this, location, platform = m_platform, profile = m_profile, resolver = m_resolver,
                 threshold = m_staleThresholdDays, progress, batch, recordThread = thread(), cancelled,
                 listedBefore = m_listedFolders]() -> std::function<void()> {
        std::optional<std::filesystem::path> folder = platform->resolvedPath(location.path.url);
        if (folder && std::find(listedBefore.begin(), listedBefore.end(), *folder) != listedBefore.end()) {
            const QString warning = QStringLiteral("%1 was not scanned: it resolves to %2, which was scanned already")
                                        .arg(PathNames::text(location.path.url), PathNames::text(*folder));
            return [this, warning] {
                locationFinished({}, warning, std::nullopt);
            };
        }
        LocationScanner::Result result = LocationScanner::scanLocation(
            location, *platform, *profile, *resolver, threshold, progress, batch, recordThread, cancelled.get());
        if (result.warning)
            folder.reset();
        return [this, result = std::move(result), folder]() mutable {
            locationFinished(std::move(result.rest), result.warning, folder);
        };
    };
    runInBackground(m_worker, m_scanCancelled, std::move(work));
}

void RemnantScanner::locationFinished(std::vector<RemnantItemPtr> records, const std::optional<QString> &warning,
                                      const std::optional<std::filesystem::path> &listed)
{
    m_worker.join();
    appendRemnants(records);
    if (listed)
        m_listedFolders.push_back(*listed);
    if (warning) {
        DiagnosticLog::write(QStringLiteral("⚠️ ") + *warning);
        m_scanWarnings.append(*warning);
        emit scanWarningsChanged();
    }
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

void RemnantScanner::finishScan()
{
    sortResults();
    publish(m_scanProgress, 1.0, &RemnantScanner::scanProgressChanged);
    endScan(QStringLiteral("%1 leftovers found").arg(m_remnants.size()));
    if (m_measuresSizes)
        startSizes();
    emit scanFinished();
}

void RemnantScanner::cancelScan()
{
    stopSizes();
    if (!m_isScanning)
        return;
    m_scanCancelled->store(true);
    sortResults();
    endScan(QStringLiteral("Scan cancelled"));
    emit scanCancelled();
}

void RemnantScanner::sortResults()
{
    std::stable_sort(m_remnants.begin(), m_remnants.end(), [](const RemnantItemPtr &a, const RemnantItemPtr &b) {
        const bool aOrphan = a->status() == RemnantStatus::orphan;
        const bool bOrphan = b->status() == RemnantStatus::orphan;
        if (aOrphan != bOrphan)
            return aOrphan;
        return a->fileSize() > b->fileSize();
    });
    emit remnantsReset();
    emit remnantsChanged();
}

void RemnantScanner::endScan(const QString &status)
{
    m_resolver.reset();
    publish(m_scanStatus, status, &RemnantScanner::scanStatusChanged);
    publish(m_isScanning, false, &RemnantScanner::isScanningChanged);
    publish(m_isScanningApps, false, &RemnantScanner::isScanningAppsChanged);
    publish(m_isScanInProgress, false, &RemnantScanner::isScanInProgressChanged);
    publish(m_hasStartedScan, false, &RemnantScanner::hasStartedScanChanged);
    publish(m_hasScanned, true, &RemnantScanner::hasScannedChanged);
}

QList<RemnantItemPtr> RemnantScanner::filteredRemnants() const
{
    const RemnantFilter filter(*this);
    QList<RemnantItemPtr> result;
    for (const RemnantItemPtr &item : m_remnants) {
        if (filter.accepts(*item))
            result.append(item);
    }
    return result;
}

QHash<RemnantCategory, int> RemnantScanner::categoryCounts() const
{
    QHash<RemnantCategory, int> counts;
    for (const RemnantItemPtr &item : m_remnants)
        ++counts[item->category()];
    return counts;
}

qint64 RemnantScanner::totalSize() const
{
    return RemnantSummary::of(m_remnants, RemnantFilter(*this)).totalSize;
}
