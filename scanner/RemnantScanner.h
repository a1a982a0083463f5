// SPDX-FileCopyrightText: 2026 The Leftscan developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "model/FinderTagColor.h"
#include "model/RemnantCategory.h"
#include "model/RemnantItem.h"
#include "model/ScanStatus.h"
#include "platform/ScriptOutcome.h"
#include "scanner/RemnantActionReport.h"
#include "scanner/ScanSession.h"
#include "scanner/SessionQuestions.h"

#include <QHash>
#include <QList>
#include <QObject>
#include <QStringList>
#include <memory>
#include <optional>
#include <span>
#include <type_traits>

class AlertPresenter;
class Platform;
class Profile;

// The window's model of the engine: the state the views show, published with a signal for each change, the
// filters of the list, the permission prompts, and the questions of the session asked as the system's own alerts.
// The scans and the actions are its ScanSession's. Lives on the window's thread.
class RemnantScanner : public QObject, private SessionQuestions {
    Q_OBJECT

public:
    static constexpr const char *FullDiskAccessLink =
        "x-apple.systempreferences:com.apple.preference.security?Privacy_AllFiles";
    static constexpr const char *AutomationLink =
        "x-apple.systempreferences:com.apple.preference.security?Privacy_Automation";
    // A background action reports its progress after this many items, and after the last.
    static constexpr int ActionProgressInterval = ScanSession::ActionProgressInterval;

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

    ScanSession &session() { return m_session; }
    const ScanSession &session() const { return m_session; }
    const Profile &profile() const;
    // The categories the profile's scans find, in the order they are shown.
    std::span<const RemnantCategory> categories() const;
    // Forgets what the identification of owners remembers across scans.
    void clearIdentificationCache() const;

    const QList<RemnantItemPtr> &remnants() const { return m_session.items(); }
    bool isScanning() const { return m_isScanning; }
    double scanProgress() const { return m_scanProgress; }
    const ScanStatus &scanStatus() const { return m_scanStatus; }
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
    // What the last scan passed over and why, in the order met: a Library folder that is a symbolic link, that
    // resolves outside its Library or that cannot be listed, a base folder the environment names that is not the
    // home owner's alone. Emptied when a scan starts.
    const std::vector<ScanWarning> &scanWarnings() const { return m_session.warnings(); }
    bool didPromptAutomationThisLaunch() const { return m_didPromptAutomationThisLaunch; }
    bool didPromptFullDiskAccessThisLaunch() const { return m_didPromptFullDiskAccessThisLaunch; }
    bool isActing() const { return m_session.isActing(); }
    // Some items of the last move to the Trash may still be put back.
    bool canUndoTrash() const { return m_session.canUndoTrash(); }
    // After the listing of a scan, what each entry takes on disk and holds of the user's files is measured in the
    // background; the records learn it batch by batch (remnantSizesChanged). A new scan, cancelScan() or the
    // scanner's end stop it.
    bool isMeasuringSizes() const { return m_session.isMeasuringSizes(); }
    // Whether scans that start from now on measure sizes; on by default.
    void setMeasuresSizes(bool value) { m_session.setMeasuresSizes(value); }
    // Measures the items' sizes and takes their census on this thread, before it returns, for a scan that did not
    // measure them; remnantSizesChanged() tells it.
    void measureNow(const QList<RemnantItemPtr> &items) { m_session.measureNow(items); }

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
    void moveToTrash(const RemnantItemPtr &item,
                     ScanSession::Confirmation confirmation = ScanSession::Confirmation::general)
    {
        m_session.moveToTrash(item, confirmation);
    }
    AdministratorTrash::Outcome moveToTrashWithAdminRights(const RemnantItemPtr &item)
    {
        return m_session.moveToTrashWithAdminRights(item);
    }
    // Why not on failure; a failure to write the tags is also logged.
    std::optional<FailureReason> applyTag(const RemnantItemPtr &item, FinderTagColor color)
    {
        return m_session.applyTag(item, color);
    }

    // Actions on many items, one at a time, while the window goes on; a scan may run meanwhile. Each ends with
    // actionFinished(). Moving to the Trash asks once for all the items the Trash refuses for lack of permission and
    // moves them together in one privileged run. Undo puts the items of the last move to the Trash back where they
    // were, and into the list where they stood. Each returns false, doing nothing, while another action runs.
    bool moveToTrashInBackground(const QList<RemnantItemPtr> &items, const QList<RemnantItemPtr> &confirmedByName = {})
    {
        return m_session.moveToTrashInBackground(items, confirmedByName);
    }
    bool applyTagInBackground(const QList<RemnantItemPtr> &items, FinderTagColor color)
    {
        return m_session.applyTagInBackground(items, color);
    }
    bool undoTrashInBackground() { return m_session.undoTrashInBackground(); }

signals:
    void remnantsChanged();
    void isScanningChanged(bool value);
    void scanProgressChanged(double value);
    void scanStatusChanged(const ScanStatus &value);
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
    template <typename T, typename Signal> void publish(T &field, const T &value, Signal signal);
    void followSession();
    void endScan(const ScanStatus &status);

    AdministratorAnswer askForAdministratorRights(const AdministratorRequest &request) override;
    void tellTrashFailure(const TrashFailure &failure) override;

    std::shared_ptr<const Platform> m_platform;
    AlertPresenter &m_alerts;
    ScanSession m_session;

    bool m_isScanning = false;
    double m_scanProgress = 0;
    ScanStatus m_scanStatus;
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
    bool m_didPromptAutomationThisLaunch = false;
    bool m_didPromptFullDiskAccessThisLaunch = false;
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
