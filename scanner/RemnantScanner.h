#pragma once

#include "identification/AppIdentifierService.h"
#include "inventory/Inventory.h"
#include "model/FinderTagColor.h"
#include "model/RemnantCategory.h"
#include "model/RemnantItem.h"
#include "platform/ScriptOutcome.h"

#include <QHash>
#include <QList>
#include <QObject>
#include <QThread>
#include <atomic>
#include <functional>
#include <memory>
#include <optional>

class AlertPresenter;
class OwnerIdentifier;
class Platform;
struct ScanLocation;

// The engine object: the results of the last scan and all state the window shows, the scan itself, the
// actions on single items and the permission probes. Lives on one thread (the window's); the inventory and
// the location workers run on threads of their own and reach it only through queued calls.
class RemnantScanner : public QObject {
    Q_OBJECT

public:
    static constexpr const char *FullDiskAccessLink =
        "x-apple.systempreferences:com.apple.preference.security?Privacy_AllFiles";
    static constexpr const char *AutomationLink =
        "x-apple.systempreferences:com.apple.preference.security?Privacy_Automation";

    RemnantScanner(std::shared_ptr<const Platform> platform, AlertPresenter &alerts, QObject *parent = nullptr);
    ~RemnantScanner() override;

    // Starts a full scan unless one is running or the permission gate refuses it; scanFinished() tells the end.
    void scan();
    // Stops the scan in progress at once: the records handed over so far stay, in the order of a finished scan,
    // and scanCancelled() tells the end. The worker stops in the background; a new scan may start right away.
    void cancelScan();

    const QList<RemnantItemPtr> &remnants() const { return m_remnants; }
    bool isScanning() const { return m_isScanning; }
    double scanProgress() const { return m_scanProgress; }
    const QString &scanStatus() const { return m_scanStatus; }
    bool isScanningApps() const { return m_isScanningApps; }
    bool isScanInProgress() const { return m_isScanInProgress; }
    bool hasStartedScan() const { return m_hasStartedScan; }
    std::optional<RemnantCategory> selectedCategory() const { return m_selectedCategory; }
    const QString &searchText() const { return m_searchText; }
    bool filterOrphansOnly() const { return m_filterOrphansOnly; }
    bool filterStaleOnly() const { return m_filterStaleOnly; }
    bool hideInstalledApps() const { return m_hideInstalledApps; }
    int staleThresholdDays() const { return m_staleThresholdDays; }
    int totalScannedItems() const { return m_totalScannedItems; }
    bool hasScanned() const { return m_hasScanned; }
    const Inventory &installedApps() const { return m_installedApps; }
    AppIdentifierService &identifierService() const { return *m_identifierService; }
    bool didPromptAutomationThisLaunch() const { return m_didPromptAutomationThisLaunch; }
    bool didPromptFullDiskAccessThisLaunch() const { return m_didPromptFullDiskAccessThisLaunch; }

    void setSelectedCategory(std::optional<RemnantCategory> category);
    void setSearchText(const QString &text);
    void setFilterOrphansOnly(bool value);
    void setFilterStaleOnly(bool value);
    void setHideInstalledApps(bool value);
    void setStaleThresholdDays(int days);

    QList<RemnantItemPtr> filteredRemnants() const;
    QHash<RemnantCategory, int> categoryCounts() const;
    qint64 totalSize() const;

    // Permissions.
    void triggerFullDiskAccessRegistration() const;
    bool hasFullDiskAccess() const;
    void promptForFullDiskAccess();
    void checkAutomationAccess();

    // Actions on one item.
    void moveToTrash(const RemnantItemPtr &item);
    ScriptOutcome moveToTrashWithAdminRights(const RemnantItemPtr &item);
    void applyTag(const RemnantItemPtr &item, FinderTagColor color);

signals:
    void remnantsChanged();
    // Finer news of the same changes, for views that update incrementally.
    void remnantsAppended(qsizetype first, qsizetype count);
    void remnantsReset();
    void remnantRemoved(qsizetype index);
    void isScanningChanged(bool value);
    void scanProgressChanged(double value);
    void scanStatusChanged(const QString &value);
    void isScanningAppsChanged(bool value);
    void isScanInProgressChanged(bool value);
    void hasStartedScanChanged(bool value);
    void selectedCategoryChanged();
    void searchTextChanged(const QString &value);
    void filterOrphansOnlyChanged(bool value);
    void filterStaleOnlyChanged(bool value);
    void hideInstalledAppsChanged(bool value);
    void staleThresholdDaysChanged(int value);
    void totalScannedItemsChanged(int value);
    void hasScannedChanged(bool value);
    void scanFinished();
    void scanCancelled();
    void scanRefused();

private:
    struct Prepared;

    template <typename T, typename Signal> void publish(T &field, const T &value, Signal signal);
    void resetRemnants();
    void appendRemnants(const std::vector<RemnantItemPtr> &records);
    void removeRemnant(const RemnantItemPtr &item);
    void runInBackground(QThread::Priority priority, std::function<std::function<void()>()> work);

    void inventoryFinished(std::shared_ptr<Prepared> prepared);
    void scanNextLocation();
    void locationFinished(std::vector<RemnantItemPtr> records);
    void finishScan();
    void sortResults();
    void endScan(const QString &status);

    std::shared_ptr<const Platform> m_platform;
    AlertPresenter &m_alerts;

    QList<RemnantItemPtr> m_remnants;
    bool m_isScanning = false;
    double m_scanProgress = 0;
    QString m_scanStatus = QStringLiteral("Ready");
    bool m_isScanningApps = false;
    bool m_isScanInProgress = false;
    bool m_hasStartedScan = false;
    std::optional<RemnantCategory> m_selectedCategory;
    QString m_searchText;
    bool m_filterOrphansOnly = false;
    bool m_filterStaleOnly = false;
    bool m_hideInstalledApps = false;
    int m_staleThresholdDays = 365;
    int m_totalScannedItems = 0;
    bool m_hasScanned = false;
    Inventory m_installedApps;
    std::shared_ptr<AppIdentifierService> m_identifierService;
    bool m_didPromptAutomationThisLaunch = false;
    bool m_didPromptFullDiskAccessThisLaunch = false;

    // The scan in progress: the prepared inventory, the locations and the one background thread running. Each
    // scan has a flag of its own that cancelling sets, so that whatever a cancelled scan's worker still queues
    // is dropped, even once a new scan runs.
    std::shared_ptr<std::atomic<bool>> m_scanCancelled = std::make_shared<std::atomic<bool>>(false);
    std::shared_ptr<const OwnerIdentifier> m_identifier;
    std::vector<ScanLocation> m_locations;
    std::size_t m_locationIndex = 0;
    std::unique_ptr<QThread> m_worker;
};
