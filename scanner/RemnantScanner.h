#pragma once

#include "model/FinderTagColor.h"
#include "model/RemnantCategory.h"
#include "model/RemnantItem.h"
#include "model/ScanProfile.h"
#include "platform/RestoreOutcome.h"
#include "platform/ScriptOutcome.h"
#include "platform/TrashOutcome.h"
#include "scanner/CallQueue.h"
#include "scanner/RemnantActionReport.h"
#include "scanner/RemovalGuard.h"
#include "scanner/SizeMeasurementPass.h"

#include <QHash>
#include <QList>
#include <QObject>
#include <QStringList>
#include <atomic>
#include <functional>
#include <memory>
#include <optional>
#include <thread>
#include <type_traits>

class AlertPresenter;
class OwnerResolver;
class Platform;
class Profile;
struct ScanLocation;

// The engine object: the results of the last scan and all state the window shows, the scan itself, the
// actions on items and the permission probes. Lives on one thread (the window's); the inventory and the
// location workers, and the file work of the background actions, run on threads of their own and reach it only
// through queued calls. Records are only ever touched on the scanner's thread.
class RemnantScanner : public QObject {
    Q_OBJECT

public:
    static constexpr const char *FullDiskAccessLink =
        "x-apple.systempreferences:com.apple.preference.security?Privacy_AllFiles";
    static constexpr const char *AutomationLink =
        "x-apple.systempreferences:com.apple.preference.security?Privacy_Automation";
    // A background action reports its progress after this many items, and after the last.
    static constexpr int ActionProgressInterval = 25;

    // The profile says what a scan looks at and how; the program chooses it once.
    RemnantScanner(std::shared_ptr<const Platform> platform, std::shared_ptr<const Profile> profile,
                   AlertPresenter &alerts, QObject *parent = nullptr);
    ~RemnantScanner() override;

    // Starts a full scan unless one is running or the permission gate refuses it; scanFinished() tells the end.
    void scan();
    // Stops the scan in progress at once: the records handed over so far stay, in the order of a finished scan,
    // and scanCancelled() tells the end. The worker stops in the background; a new scan may start right away. A size
    // pass in progress stops too, the scan's or a finished one's.
    void cancelScan();

    const Profile &profile() const { return *m_profile; }
    // The categories the profile's scans find, in the order they are shown.
    std::span<const RemnantCategory> categories() const;
    // Forgets what the identification of owners remembers across scans.
    void clearIdentificationCache() const;

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
    // What the last scan passed over and why, one line each, in the order met: a Library folder that is a symbolic
    // link, that resolves outside its Library or that cannot be listed. Emptied when a scan starts.
    const QStringList &scanWarnings() const { return m_scanWarnings; }
    // Where the engine's questions go; the window asks its own through it too.
    AlertPresenter &alerts() const { return m_alerts; }
    bool didPromptAutomationThisLaunch() const { return m_didPromptAutomationThisLaunch; }
    bool didPromptFullDiskAccessThisLaunch() const { return m_didPromptFullDiskAccessThisLaunch; }
    bool isActing() const { return m_isActing; }
    // Some items of the last move to the Trash may still be put back.
    bool canUndoTrash() const { return !m_undoableTrash.isEmpty(); }
    // After the listing of a scan, what each entry takes on disk is measured in the background; the records learn
    // it batch by batch (remnantSizesChanged). A new scan, cancelScan() or the scanner's end stop it.
    bool isMeasuringSizes() const { return m_isMeasuringSizes; }
    // Whether scans that start from now on measure sizes; on by default.
    void setMeasuresSizes(bool value) { m_measuresSizes = value; }
    // Measures the items' sizes and takes their census on this thread, before it returns, for a scan that did not
    // measure them; remnantSizesChanged() tells it.
    void measureNow(const QList<RemnantItemPtr> &items);

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

    // Actions on one item, done before they return; alerts block until answered. Nothing is moved or tagged that
    // RemovalGuard refuses. Only a refusal for lack of permission leads to the question for administrator rights;
    // any other failure to move an item is explained in an alert.
    void moveToTrash(const RemnantItemPtr &item);
    ScriptOutcome moveToTrashWithAdminRights(const RemnantItemPtr &item);
    // The reason on failure, which is also logged.
    std::optional<QString> applyTag(const RemnantItemPtr &item, FinderTagColor color);

    // Actions on many items, one at a time, while the window goes on; a scan may run meanwhile. Each ends with
    // actionFinished().
    // Moves the items to the Trash on a background thread, in the given order. Items that the Trash refuses only
    // for lack of permission are, after one question for all of them, moved together in one privileged run (one
    // password prompt), each checked on disk. Returns false, doing nothing, while another action runs.
    bool moveToTrashInBackground(const QList<RemnantItemPtr> &items);
    // Tags the items with the colour on a background thread, replacing their other tags. Returns false, doing
    // nothing, while another action runs.
    bool applyTagInBackground(const QList<RemnantItemPtr> &items, FinderTagColor color);
    // Puts the items of the last move to the Trash (one item or many, the privileged moves included) back where
    // they were, on a background thread, through the Trash's own restore information: only where nothing has taken
    // their place and their folder is still there. Items put back get their earlier action again and, unless a
    // scan has replaced the list since, are listed again as they were. Those that stay in the Trash are told in
    // the report and may be tried again. Returns false, doing nothing, while another action runs or when there is
    // nothing to undo.
    bool undoTrashInBackground();

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
    // The list of scanWarnings() changed: emptied as a scan starts, or one more added during a scan.
    void scanWarningsChanged();
    void scanFinished();
    void scanCancelled();
    void scanRefused();
    void isActingChanged(bool value);
    // Items done so far in a background action's pass over them.
    void actionProgress(int done, int total);
    void actionFinished(const RemnantActionReport &report);
    void canUndoTrashChanged(bool value);
    void isMeasuringSizesChanged(bool value);
    // Some records learnt their size on disk.
    void remnantSizesChanged();
    // Every record of the scan has its size on disk.
    void sizesMeasured();

private:
    // An item moved to the Trash: where it went, what the user had done with it before, and which list it was
    // taken from.
    struct TrashedItem {
        RemnantItemPtr item;
        std::filesystem::path trashedPath;
        RemnantAction previousAction;
        quint64 listGeneration = 0;
    };

    template <typename T, typename Signal> void publish(T &field, const T &value, Signal signal);
    void resetRemnants();
    void appendRemnants(const std::vector<RemnantItemPtr> &records);
    void removeRemnants(const QList<RemnantItemPtr> &items);
    void runInBackground(std::thread &worker, std::shared_ptr<const std::atomic<bool>> stop,
                         std::function<std::function<void()>()> work);

    void inventoryFinished(std::shared_ptr<const OwnerResolver> resolver);
    void scanNextLocation();
    // `listed` is the folder the location resolved to, when it was listed.
    void locationFinished(std::vector<RemnantItemPtr> records, const std::optional<QString> &warning,
                          const std::optional<std::filesystem::path> &listed);
    void finishScan();
    void sortResults();
    void endScan(const QString &status);

    void startSizes();
    void stopSizes();
    void sizesArrived(const std::vector<SizeMeasurementPass::Result> &batch, bool last);

    // The check before any item is moved or tagged, with what the last scan found installed.
    RemovalGuard removalGuard() const;
    void showTrashFailure(const QString &name, const QString &reason);
    bool askForAdministratorRights(const QString &question);
    // Marks the items trashed and takes them from the list; what undoing it needs to know of them.
    QList<TrashedItem> markTrashed(const QList<RemnantItemPtr> &items, const std::vector<std::filesystem::path> &places,
                                   const QString &logPrefix);
    ScriptOutcome moveToTrashWithAdminRights(const RemnantItemPtr &item, std::filesystem::path &place);
    void setUndoableTrash(QList<TrashedItem> items);
    void restoreAttempted(const std::vector<RestoreOutcome> &outcomes);
    bool beginAction(const QList<RemnantItemPtr> &items, RemnantActionReport::Kind kind,
                     std::optional<FinderTagColor> color);
    std::function<void(int done)> actionProgressReporter(int total);
    void trashAttempted(const std::vector<TrashOutcome> &outcomes);
    void trashedAsAdministrator(const std::vector<std::size_t> &indices, const std::vector<ScriptOutcome> &outcomes,
                                const std::vector<std::filesystem::path> &places);
    void tagsApplied(const std::vector<std::optional<QString>> &errors);
    void finishAction();

    std::shared_ptr<const Platform> m_platform;
    std::shared_ptr<const Profile> m_profile;
    AlertPresenter &m_alerts;
    // How the threads of the scan, the sizes and the actions hand their results to this object's thread.
    CallQueue m_calls{this};

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
    QStringList m_scanWarnings;
    // The installed software's own items that the last scan found, which nothing may move or tag.
    std::vector<std::filesystem::path> m_protectedItems;
    bool m_didPromptAutomationThisLaunch = false;
    bool m_didPromptFullDiskAccessThisLaunch = false;

    // The scan in progress: the prepared inventory, the locations and the one background thread running. Each
    // scan has a flag of its own that cancelling sets, so that whatever a cancelled scan's worker still queues
    // is dropped, even once a new scan runs.
    std::shared_ptr<std::atomic<bool>> m_scanCancelled = std::make_shared<std::atomic<bool>>(false);
    std::shared_ptr<const OwnerResolver> m_resolver;
    std::vector<ScanLocation> m_locations;
    std::size_t m_locationIndex = 0;
    // The folders listed so far, as they resolved: one reached again through a linked Library is not listed twice.
    std::vector<std::filesystem::path> m_listedFolders;
    std::thread m_worker;

    // The size pass in progress: the records it measures, by the pass's entry index (held weakly, as a record
    // may be removed meanwhile), its threads still running, and a flag of its own, set when it is stopped, so that
    // batches it queued before are dropped.
    bool m_measuresSizes = true;
    bool m_isMeasuringSizes = false;
    std::vector<std::weak_ptr<RemnantItem>> m_sizeTargets;
    // The stale threshold when the pass started, which tells whether an entry was used recently.
    int m_sizeThresholdDays = 365;
    int m_sizeThreadsRunning = 0;
    std::shared_ptr<std::atomic<bool>> m_sizesStopped = std::make_shared<std::atomic<bool>>(false);
    std::unique_ptr<SizeMeasurementPass> m_sizePass;

    // The background action in progress: its items, the failure reason of each item that failed so far, the
    // report being made, and its own thread, which the destructor stops between two items.
    bool m_isActing = false;
    QList<RemnantItemPtr> m_actionItems;
    QList<std::optional<QString>> m_actionFailures;
    RemnantActionReport m_actionReport;
    std::shared_ptr<std::atomic<bool>> m_actionStopped = std::make_shared<std::atomic<bool>>(false);
    std::thread m_actionWorker;

    // Undo: the items of the last move to the Trash that may still be put back, those the running action has moved
    // so far, and those it is putting back. The generation counts the lists a scan has started afresh.
    QList<TrashedItem> m_undoableTrash;
    QList<TrashedItem> m_actionTrashed;
    QList<TrashedItem> m_restoring;
    quint64 m_listGeneration = 0;
};

// Every file of the scanner publishes state through this, so it is defined where all of them see it.
template <typename T, typename Signal> inline void RemnantScanner::publish(T &field, const T &value, Signal signal)
{
    if (field == value)
        return;
    field = value;
    if constexpr (std::is_invocable_v<Signal, RemnantScanner *, const T &>)
        (this->*signal)(field);
    else
        (this->*signal)();
}
