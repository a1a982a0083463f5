// SPDX-FileCopyrightText: 2026 The Leftscan developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "model/FinderTagColor.h"
#include "model/RemnantItem.h"
#include "model/ScanWarning.h"
#include "platform/RestoreOutcome.h"
#include "platform/ScriptOutcome.h"
#include "scanner/AdministratorTrash.h"
#include "scanner/CallQueue.h"
#include "scanner/RemnantActionReport.h"
#include "scanner/RemovalGuard.h"
#include "scanner/ScanLocation.h"
#include "scanner/SizeMeasurementPass.h"
#include "scanner/TrashAttempt.h"
#include "scanner/TrashRestore.h"

#include <QHash>
#include <QList>
#include <QObject>
#include <QStringList>
#include <atomic>
#include <functional>
#include <memory>
#include <optional>
#include <thread>
#include <vector>

class OwnerResolver;
class Platform;
class Profile;
class SessionQuestions;

// One scan after another of the home that a profile describes, and the actions on what they found: the inventory,
// the listing and identification of each location, the sizes and the census of what each entry holds, moving to the
// Trash (with the privileged fallback), tagging, and putting back what was moved. Holds the found records in one
// list in the order a finished scan leaves them, and tells every change to it. Lives on one thread; the work runs
// on threads of its own, each stage can be cancelled, and a new scan never waits for a cancelled one. Holds no
// state of any view and shows nothing: what a person must decide goes to its SessionQuestions.
class ScanSession : public QObject {
    Q_OBJECT

public:
    enum class Stage {
        idle,      // nothing running; the records of the last scan, if any, are complete
        inventory, // finding the installed software
        listing,   // listing the locations and identifying their entries
    };

    // A background action reports its progress after this many items, and after the last.
    static constexpr int ActionProgressInterval = 25;

    ScanSession(std::shared_ptr<const Platform> platform, std::shared_ptr<const Profile> profile,
                SessionQuestions &questions, QObject *parent = nullptr);
    ~ScanSession() override;

    const Platform &platform() const { return *m_platform; }
    const Profile &profile() const { return *m_profile; }

    // Scanning. start() refuses, doing nothing, while a scan runs or when the profile reports an access problem.
    bool start(int staleThresholdDays);
    // Stops the scan in progress at once, and the size pass of the last scan: the records handed over so far stay,
    // in the order of a finished scan.
    void cancel();
    Stage stage() const { return m_stage; }
    bool isScanning() const { return m_stage != Stage::idle; }
    // How far the listing is, 0 to 1.
    double progress() const { return m_progress; }
    // The location being listed.
    const std::optional<ScanLocation> &currentLocation() const { return m_currentLocation; }
    // What the scan passed over and why, in the order met.
    const std::vector<ScanWarning> &warnings() const { return m_warnings; }
    const QList<RemnantItemPtr> &items() const { return m_items; }

    // Sizes and the census of the user's files: measured after each scan, on its own threads, unless turned off.
    void setMeasuresSizes(bool value) { m_measuresSizes = value; }
    bool isMeasuringSizes() const { return m_isMeasuringSizes; }
    // Measures the items at once on this thread, for a scan that did not measure them.
    void measureNow(const QList<RemnantItemPtr> &items);

    // Whether the user confirmed the very items of a move by name, having been told what the removal assessment
    // says of each. An item the assessment says must be confirmed moves only so.
    enum class Confirmation { general, byName };

    // Actions on one item, done before they return; what must be decided is asked on the way.
    void moveToTrash(const RemnantItemPtr &item, Confirmation confirmation = Confirmation::general);
    AdministratorTrash::Outcome moveToTrashWithAdminRights(const RemnantItemPtr &item);
    // Why not on failure; a failure to write the tags is also logged.
    std::optional<FailureReason> applyTag(const RemnantItemPtr &item, FinderTagColor color);

    // Actions on many items on a thread of their own, one at a time; each ends with actionFinished(). They return
    // false, doing nothing, while another action runs.
    // `confirmedByName` are the items among them that the user confirmed by name.
    bool moveToTrashInBackground(const QList<RemnantItemPtr> &items, const QList<RemnantItemPtr> &confirmedByName = {});
    bool applyTagInBackground(const QList<RemnantItemPtr> &items, FinderTagColor color);
    // Puts the items of the last move to the Trash back where they were, and into the list at the places they had
    // in it.
    bool undoTrashInBackground();
    bool isActing() const { return m_isActing; }
    bool canUndoTrash() const { return !m_undoableTrash.isEmpty(); }

signals:
    void stageChanged(ScanSession::Stage stage);
    void progressChanged(double progress);
    void locationStarted();
    void listedCountChanged(int count);
    void warningsChanged();
    void scanFinished();
    void scanCancelled();

    // The list: records appended at its end; records taken out; records put back at these positions, in rising
    // order; the whole list replaced or reordered. Each is told after the change.
    void itemsAppended(qsizetype first, qsizetype count);
    void itemsRemoved(const QList<RemnantItemPtr> &items);
    void itemsInserted(const QList<qsizetype> &positions);
    void itemsReset();

    void isMeasuringSizesChanged(bool value);
    void itemsMeasured();
    // The action of some items changed: trashed, tagged or put back.
    void actionsChanged();
    void sizesMeasured();

    void isActingChanged(bool value);
    void actionProgress(int done, int total);
    void actionFinished(const RemnantActionReport &report);
    void canUndoTrashChanged(bool value);

private:
    // A thread of the session, with the flag that stops it. A cancelled scan's thread is left to end on its own
    // and joined later, so that a new scan never waits for it.
    struct Worker {
        std::thread thread;
        std::shared_ptr<std::atomic<bool>> done = std::make_shared<std::atomic<bool>>(false);
    };
    // An item moved to the Trash: where it went, what the user had done with it before, where it stood in the list
    // and which list that was.
    struct TrashedItem {
        RemnantItemPtr item;
        std::filesystem::path trashedPath;
        RemnantAction previousAction;
        quint64 order = 0;
        quint64 listGeneration = 0;
    };

    void setStage(Stage stage);
    void runInBackground(Worker &worker, std::shared_ptr<const std::atomic<bool>> stop,
                         std::function<std::function<void()>()> work);
    void retire(Worker &worker);
    void joinRetired(bool wait);

    void resetItems();
    void appendItems(const std::vector<RemnantItemPtr> &records);
    void removeItems(const QList<RemnantItemPtr> &items);
    void insertItems(const QList<TrashedItem> &items);
    void renumber();

    void inventoryFinished(std::shared_ptr<const OwnerResolver> resolver);
    void scanNextLocation();
    // `listed` is the folder the location resolved to, when it was listed.
    void locationFinished(std::vector<RemnantItemPtr> records, const std::optional<ScanWarning> &warning,
                          const std::optional<std::filesystem::path> &listed);
    void addWarning(const ScanWarning &warning);
    void finishScan();
    void sortItems();
    void endScan();

    void startSizes();
    void stopSizes();
    void sizesArrived(const std::vector<SizeMeasurementPass::Result> &batch, bool last);

    // The check before any item is moved or tagged, with what the last scan found installed.
    RemovalGuard removalGuard() const;
    // Whether the administrator may move the item: not when it lies in a location that the environment placed
    // outside the home.
    bool allowsAdministrator(const RemnantItemPtr &item) const;
    // Marks the items trashed and takes them from the list; what undoing it needs to know of them.
    QList<TrashedItem> markTrashed(const QList<RemnantItemPtr> &items, const std::vector<std::filesystem::path> &places,
                                   const QString &logPrefix);
    AdministratorTrash::Outcome moveToTrashWithAdminRights(const RemnantItemPtr &item, std::filesystem::path &place);
    void setUndoableTrash(QList<TrashedItem> items);
    void restoreAttempted(const std::vector<TrashRestore::Outcome> &outcomes);
    bool beginAction(const QList<RemnantItemPtr> &items, RemnantActionReport::Kind kind,
                     std::optional<FinderTagColor> color);
    std::function<void(int done)> actionProgressReporter(int total);
    void trashAttempted(const std::vector<TrashAttempt> &attempts);
    void trashedAsAdministrator(const std::vector<std::size_t> &indices,
                                const std::vector<AdministratorTrash::Outcome> &outcomes,
                                const std::vector<std::filesystem::path> &places);
    void tagsApplied(const std::vector<std::optional<FailureReason>> &errors);
    void finishAction();

    std::shared_ptr<const Platform> m_platform;
    std::shared_ptr<const Profile> m_profile;
    SessionQuestions &m_questions;
    // How the session's threads hand their results to its thread.
    CallQueue m_calls{this};

    QList<RemnantItemPtr> m_items;
    // Each record's place in the order of its list, so that one put back goes where it stood.
    quint64 m_nextOrder = 0;
    // Counts the lists that scans started afresh.
    quint64 m_listGeneration = 0;

    Stage m_stage = Stage::idle;
    double m_progress = 0;
    int m_listedCount = 0;
    int m_staleThresholdDays = 365;
    std::optional<ScanLocation> m_currentLocation;
    std::vector<ScanWarning> m_warnings;
    // The installed software's own items that the last scan found, which nothing may move or tag.
    std::vector<std::filesystem::path> m_protectedItems;

    // The scan in progress: its flag, which cancelling sets so that whatever its thread still queues is dropped even
    // once a new scan runs; its owner resolver, locations and thread; and the threads of cancelled scans.
    std::shared_ptr<std::atomic<bool>> m_scanCancelled = std::make_shared<std::atomic<bool>>(false);
    std::shared_ptr<const OwnerResolver> m_resolver;
    std::vector<ScanLocation> m_locations;
    std::size_t m_locationIndex = 0;
    // The folders listed so far, as they resolved: one reached again through a linked Library is not listed twice.
    std::vector<std::filesystem::path> m_listedFolders;
    Worker m_worker;
    std::vector<Worker> m_retired;

    // The size pass in progress: the records it measures (held weakly, as a record may be removed meanwhile), its
    // threads still running, and a flag of its own, set when it is stopped, so that batches it queued are dropped.
    bool m_measuresSizes = true;
    bool m_isMeasuringSizes = false;
    std::vector<std::weak_ptr<RemnantItem>> m_sizeTargets;
    int m_sizeThresholdDays = 365;
    int m_sizeThreadsRunning = 0;
    std::shared_ptr<std::atomic<bool>> m_sizesStopped = std::make_shared<std::atomic<bool>>(false);
    std::unique_ptr<SizeMeasurementPass> m_sizePass;

    // The background action in progress: its items, the failure reason of each item that failed so far, the report
    // being made, and its own thread, which the destructor stops between two items.
    bool m_isActing = false;
    QList<RemnantItemPtr> m_actionItems;
    QList<std::optional<FailureReason>> m_actionFailures;
    RemnantActionReport m_actionReport;
    std::shared_ptr<std::atomic<bool>> m_actionStopped = std::make_shared<std::atomic<bool>>(false);
    Worker m_actionWorker;

    // Undo: the items of the last move to the Trash that may still be put back, those the running action has moved
    // so far, and those it is putting back.
    QList<TrashedItem> m_undoableTrash;
    QList<TrashedItem> m_actionTrashed;
    QList<TrashedItem> m_restoring;
};
