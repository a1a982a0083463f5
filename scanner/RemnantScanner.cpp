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
using Alert = AlertPresenter::Alert;
using Answer = AlertPresenter::Answer;

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
    switch (problem->kind) {
    case Profile::AccessProblem::Kind::rootAsHome:
        m_alerts.ask({Alert::Kind::rootAsHome, {Answer::ok}, problem->folder});
        return;
    case Profile::AccessProblem::Kind::unreadableFolder:
        m_alerts.ask({Alert::Kind::unreadableFolder,
                      {Answer::ok},
                      problem->folder,
                      problem->role == Profile::AccessProblem::Folder::library});
        return;
    case Profile::AccessProblem::Kind::privacyControl:
        if (m_alerts.ask({Alert::Kind::fullDiskAccess, {Answer::openSettings, Answer::cancel}}) == Answer::openSettings)
            m_alerts.openLink(QString::fromLatin1(FullDiskAccessLink));
        return;
    }
}

void RemnantScanner::checkAutomationAccess()
{
    if (m_didPromptAutomationThisLaunch)
        return;
    m_didPromptAutomationThisLaunch = true;
    const ScriptOutcome outcome = m_platform->runAutomationProbe();
    if (outcome.success || outcome.errorNumber != RefusedControlError)
        return;
    if (m_alerts.ask({Alert::Kind::automationAccess, {Answer::openSettings, Answer::cancel}}) == Answer::openSettings)
        m_alerts.openLink(QString::fromLatin1(AutomationLink));
}

SessionQuestions::AdministratorAnswer RemnantScanner::askForAdministratorRights(const AdministratorRequest &request)
{
    // Only the Mac has a setting that decides whether the privileged move may run at all.
    QList<Answer> answers{Answer::proceed};
    if (m_platform->isMacOS())
        answers.append(Answer::openSettings);
    answers.append(Answer::cancel);
    Alert alert{Alert::Kind::administratorRights, answers};
    alert.itemCount = request.itemCount;
    alert.itemName = request.firstItemName;
    const Answer chosen = m_alerts.ask(alert);
    if (chosen == Answer::openSettings)
        m_alerts.openLink(QString::fromLatin1(AutomationLink));
    return chosen == Answer::proceed ? AdministratorAnswer::proceed : AdministratorAnswer::decline;
}

void RemnantScanner::tellTrashFailure(const TrashFailure &failure)
{
    Alert alert{Alert::Kind::trashFailed, {Answer::ok}};
    alert.itemName = failure.itemName;
    alert.reason = failure.reason;
    if (!failure.privilegedMoveFailed || !m_platform->isMacOS()) {
        m_alerts.ask(alert);
        return;
    }
    alert.kind = Alert::Kind::privilegedTrashFailed;
    alert.answers = {Answer::ok, Answer::openSettings};
    // Unless the system refused the control, what the user can act on is why the ordinary Trash refused the item.
    if (failure.reason.kind != FailureReason::Kind::controlRefused)
        alert.reason = failure.trashRefusal;
    if (m_alerts.ask(alert) == Answer::openSettings)
        m_alerts.openLink(QString::fromLatin1(FullDiskAccessLink));
}

qint64 RemnantScanner::totalSize() const
{
    return RemnantSummary::of(remnants(), RemnantFilter(*this)).totalSize;
}
