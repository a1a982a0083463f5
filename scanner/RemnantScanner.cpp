// SPDX-FileCopyrightText: 2026 The Leftscan developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "scanner/RemnantScanner.h"

#include "platform/DiagnosticLog.h"
#include "platform/PathNames.h"
#include "platform/Platform.h"
#include "scanner/AlertPresenter.h"
#include "scanner/Profile.h"
#include "scanner/RemnantFilter.h"
#include "scanner/RemnantSummary.h"

namespace {

constexpr int RefusedControlError = -1743;
const QString RefusedControlText =
    QStringLiteral("System Settings > Privacy & Security > Automation: allow Leftscan to control System Events.");

} // namespace

RemnantScanner::RemnantScanner(std::shared_ptr<const Platform> platform, std::shared_ptr<const Profile> profile,
                               AlertPresenter &alerts, QObject *parent)
    : QObject(parent)
    , m_platform(platform)
    , m_alerts(alerts)
    , m_session(std::move(platform), std::move(profile), *this)
{
    followSession();
}

RemnantScanner::~RemnantScanner() = default;

void RemnantScanner::followSession()
{
    connect(&m_session, &ScanSession::stageChanged, this, [this](ScanSession::Stage stage) {
        publish(m_isScanningApps, stage == ScanSession::Stage::inventory, &RemnantScanner::isScanningAppsChanged);
    });
    connect(&m_session, &ScanSession::locationStarted, this, [this] {
        if (const auto &location = m_session.currentLocation())
            publish(m_scanStatus,
                    ScanStatus{ScanStatus::Stage::scanningFolder, PathNames::fileName(location->path.url)},
                    &RemnantScanner::scanStatusChanged);
    });
    connect(&m_session, &ScanSession::progressChanged, this,
            [this](double progress) { publish(m_scanProgress, progress, &RemnantScanner::scanProgressChanged); });
    connect(&m_session, &ScanSession::listedCountChanged, this,
            [this](int count) { publish(m_totalScannedItems, count, &RemnantScanner::totalScannedItemsChanged); });
    connect(&m_session, &ScanSession::warningsChanged, this, &RemnantScanner::scanWarningsChanged);
    connect(&m_session, &ScanSession::scanFinished, this, [this] {
        endScan(ScanStatus{ScanStatus::Stage::finished, {}, m_session.items().size()});
        emit scanFinished();
    });
    connect(&m_session, &ScanSession::scanCancelled, this, [this] {
        endScan(ScanStatus{ScanStatus::Stage::cancelled, {}, 0});
        emit scanCancelled();
    });
    connect(&m_session, &ScanSession::itemsAppended, this, &RemnantScanner::remnantsChanged);
    connect(&m_session, &ScanSession::itemsReset, this, &RemnantScanner::remnantsChanged);
    connect(&m_session, &ScanSession::itemsRemoved, this, &RemnantScanner::remnantsChanged);
    connect(&m_session, &ScanSession::itemsInserted, this, &RemnantScanner::remnantsChanged);
    connect(&m_session, &ScanSession::isMeasuringSizesChanged, this, &RemnantScanner::isMeasuringSizesChanged);
    connect(&m_session, &ScanSession::itemsMeasured, this, &RemnantScanner::remnantSizesChanged);
    connect(&m_session, &ScanSession::sizesMeasured, this, &RemnantScanner::sizesMeasured);
    connect(&m_session, &ScanSession::isActingChanged, this, &RemnantScanner::isActingChanged);
    connect(&m_session, &ScanSession::actionProgress, this, &RemnantScanner::actionProgress);
    connect(&m_session, &ScanSession::actionFinished, this, &RemnantScanner::actionFinished);
    connect(&m_session, &ScanSession::canUndoTrashChanged, this, &RemnantScanner::canUndoTrashChanged);
}

const Profile &RemnantScanner::profile() const
{
    return m_session.profile();
}

std::span<const RemnantCategory> RemnantScanner::categories() const
{
    return profile().categories();
}

void RemnantScanner::clearIdentificationCache() const
{
    profile().clearIdentificationCache();
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
    publish(m_isScanning, true, &RemnantScanner::isScanningChanged);
    publish(m_isScanInProgress, true, &RemnantScanner::isScanInProgressChanged);
    publish(m_hasStartedScan, true, &RemnantScanner::hasStartedScanChanged);
    publish(m_hasScanned, false, &RemnantScanner::hasScannedChanged);
    publish(m_scanStatus, ScanStatus{ScanStatus::Stage::detectingApps, {}, 0}, &RemnantScanner::scanStatusChanged);
    if (!m_session.start(m_staleThresholdDays)) {
        endScan(ScanStatus{});
        emit scanRefused();
    }
}

void RemnantScanner::cancelScan()
{
    m_session.cancel();
}

void RemnantScanner::endScan(const ScanStatus &status)
{
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
    for (const RemnantItemPtr &item : remnants()) {
        if (filter.accepts(*item))
            result.append(item);
    }
    return result;
}

QHash<RemnantCategory, int> RemnantScanner::categoryCounts() const
{
    QHash<RemnantCategory, int> counts;
    for (const RemnantItemPtr &item : remnants())
        ++counts[item->category()];
    return counts;
}

void RemnantScanner::triggerFullDiskAccessRegistration() const
{
    profile().touchProtectedData();
}

bool RemnantScanner::hasFullDiskAccess() const
{
    return !profile().accessProblem();
}

void RemnantScanner::promptForFullDiskAccess()
{
    if (m_didPromptFullDiskAccessThisLaunch)
        return;
    m_didPromptFullDiskAccessThisLaunch = true;
    const std::optional<Profile::AccessProblem> problem = profile().accessProblem();
    if (!problem)
        return;
    if (problem->kind == Profile::AccessProblem::Kind::rootAsHome) {
        m_alerts.runModal({QStringLiteral("Cannot scan the root folder"),
                           QStringLiteral("The home folder %1 is the root folder, whose entries are the system's own. "
                                          "Choose a user's home folder.")
                               .arg(PathNames::text(problem->folder)),
                           {QStringLiteral("OK")}});
        return;
    }
    if (problem->kind == Profile::AccessProblem::Kind::unreadableFolder) {
        m_alerts.runModal({QStringLiteral("Cannot read ") + problem->folderDescription,
                           QStringLiteral("Leftscan cannot read %1. Check that the folder exists and that you are "
                                          "allowed to read it.")
                               .arg(PathNames::text(problem->folder)),
                           {QStringLiteral("OK")}});
        return;
    }
    const int answer = m_alerts.runModal(
        {QStringLiteral("Full Disk Access required"),
         QStringLiteral("Leftscan needs Full Disk Access to scan all leftover files. Open System Settings to allow "
                        "access?"),
         {QStringLiteral("Open Settings"), QStringLiteral("Not Now")}});
    if (answer == AlertPresenter::FirstButton)
        m_alerts.openLink(QString::fromLatin1(FullDiskAccessLink));
}

void RemnantScanner::checkAutomationAccess()
{
    if (m_didPromptAutomationThisLaunch)
        return;
    m_didPromptAutomationThisLaunch = true;
    const ScriptOutcome outcome = m_platform->runAutomationProbe();
    if (outcome.success || outcome.errorNumber != RefusedControlError)
        return;
    const int answer = m_alerts.runModal(
        {QStringLiteral("Automation access required"),
         QStringLiteral("Leftscan needs Automation permission to move protected items to Trash. Open System "
                        "Settings to allow access?"),
         {QStringLiteral("Open Settings"), QStringLiteral("Not Now")}});
    if (answer == AlertPresenter::FirstButton)
        m_alerts.openLink(QString::fromLatin1(AutomationLink));
}

SessionQuestions::AdministratorAnswer RemnantScanner::askForAdministratorRights(const AdministratorRequest &request)
{
    const QString question =
        request.itemCount == 1
            ? QStringLiteral(
                  "The item '%1' requires administrator privileges to move to Trash. Do you want to continue?")
                  .arg(request.firstItemName)
            : QStringLiteral("%1 items require administrator privileges to move to Trash. Do you want to continue?")
                  .arg(request.itemCount);
    // Only the Mac has a setting that decides whether the privileged move may run at all.
    enum class Choice { proceed, openSettings, cancel };
    QList<std::pair<QString, Choice>> choices{{QStringLiteral("Continue"), Choice::proceed}};
    if (m_platform->isMacOS())
        choices.append({QStringLiteral("Open Settings"), Choice::openSettings});
    choices.append({QStringLiteral("Cancel"), Choice::cancel});
    QStringList buttons;
    for (const auto &[title, choice] : choices)
        buttons.append(title);
    const qsizetype answer =
        m_alerts.runModal({QStringLiteral("Admin rights required"), question, buttons}) - AlertPresenter::FirstButton;
    const Choice chosen = answer >= 0 && answer < choices.size() ? choices[answer].second : Choice::cancel;
    if (chosen == Choice::openSettings)
        m_alerts.openLink(QString::fromLatin1(AutomationLink));
    return chosen == Choice::proceed ? AdministratorAnswer::proceed : AdministratorAnswer::decline;
}

void RemnantScanner::tellTrashFailure(const TrashFailure &failure)
{
    if (!failure.privilegedMoveFailed || !m_platform->isMacOS()) {
        m_alerts.runModal({QStringLiteral("Error while deleting"),
                           QStringLiteral("The file '%1' could not be moved to the Trash.\n\nError: %2")
                               .arg(failure.itemName, failure.reason),
                           {QStringLiteral("OK")}});
        return;
    }
    const QString detail = failure.refusedControl ? RefusedControlText : failure.systemError;
    const int choice = m_alerts.runModal(
        {QStringLiteral("Error while deleting"),
         RefusedControlText +
             QStringLiteral("\n\nThe file '%1' could not be deleted.\n\nError: %2").arg(failure.itemName, detail),
         {QStringLiteral("OK"), QStringLiteral("Open Settings")}});
    if (choice == AlertPresenter::FirstButton + 1)
        m_alerts.openLink(QString::fromLatin1(FullDiskAccessLink));
}

qint64 RemnantScanner::totalSize() const
{
    return RemnantSummary::of(remnants(), RemnantFilter(*this)).totalSize;
}
