// The permission probes of the scanner and its two actions, moving to the Trash with the administrator fallback
// and tagging, on one item at once or on many in the background.
#include "scanner/RemnantScanner.h"

#include "platform/DiagnosticLog.h"
#include "platform/PathNames.h"
#include "platform/Platform.h"
#include "scanner/AdministratorTrash.h"
#include "scanner/AlertPresenter.h"
#include "scanner/Profile.h"
#include "scanner/RemovalGuard.h"

namespace fs = std::filesystem;

namespace {

constexpr int RefusedControlError = -1743;
const QString RefusedControlText =
    QStringLiteral("System Settings > Privacy & Security > Automation: allow Leftscan to control System Events.");

// The question before a privileged move of `count` items, the first of them named `name`.
QString administratorQuestion(std::size_t count, const QString &name)
{
    if (count == 1) {
        return QStringLiteral(
                   "The item '%1' requires administrator privileges to move to Trash. Do you want to continue?")
            .arg(name);
    }
    return QStringLiteral("%1 items require administrator privileges to move to Trash. Do you want to continue?")
        .arg(count);
}

// Why a privileged move failed, in plain words.
QString administratorFailure(const ScriptOutcome &outcome)
{
    if (outcome.errorNumber == RefusedControlError)
        return RefusedControlText;
    if (!outcome.description.isEmpty())
        return outcome.description;
    return QStringLiteral("It is still in its place after the administrator command");
}

// Replaces the item's tags with the colour unless the guard refuses the item; the error on failure, which is also
// logged.
std::optional<QString> writeTag(const Platform &platform, const RemovalGuard &guard, const fs::path &item,
                                FinderTagColor color)
{
    std::optional<QString> error = guard.refusal(item);
    if (!error)
        error = platform.setTags(item, {rawValue(color)});
    if (error)
        DiagnosticLog::write(QStringLiteral("Tagging error: ") + *error);
    return error;
}

// Moves the item to the Trash unless the guard refuses it.
TrashOutcome trash(const Platform &platform, const RemovalGuard &guard, const fs::path &item)
{
    fs::path folder;
    if (auto refusal = guard.refusal(item, &folder)) {
        TrashOutcome outcome;
        outcome.errorDescription = std::move(*refusal);
        return outcome;
    }
    return platform.moveToTrash(item, folder);
}

std::vector<fs::path> pathsOf(const QList<RemnantItemPtr> &items)
{
    std::vector<fs::path> paths;
    paths.reserve(std::size_t(items.size()));
    for (const RemnantItemPtr &item : items)
        paths.push_back(item->url());
    return paths;
}

} // namespace

void RemnantScanner::triggerFullDiskAccessRegistration() const
{
    m_profile->touchProtectedData();
}

bool RemnantScanner::hasFullDiskAccess() const
{
    return !m_profile->accessProblem();
}

void RemnantScanner::promptForFullDiskAccess()
{
    if (m_didPromptFullDiskAccessThisLaunch)
        return;
    m_didPromptFullDiskAccessThisLaunch = true;
    const std::optional<Profile::AccessProblem> problem = m_profile->accessProblem();
    if (!problem)
        return;
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

RemovalGuard RemnantScanner::removalGuard() const
{
    return RemovalGuard(*m_platform, *m_profile, m_protectedItems);
}

void RemnantScanner::showTrashFailure(const QString &name, const QString &reason)
{
    m_alerts.runModal({QStringLiteral("Error while deleting"),
                       QStringLiteral("The file '%1' could not be moved to the Trash.\n\nError: %2").arg(name, reason),
                       {QStringLiteral("OK")}});
}

bool RemnantScanner::askForAdministratorRights(const QString &question)
{
    // Only the Mac has a setting that decides whether the privileged move may run at all.
    QStringList buttons{QStringLiteral("Continue")};
    if (m_platform->isMacOS())
        buttons.append(QStringLiteral("Open Settings"));
    buttons.append(QStringLiteral("Cancel"));
    const int answer = m_alerts.runModal({QStringLiteral("Admin rights required"), question, buttons});
    const QString chosen = buttons.value(answer - AlertPresenter::FirstButton);
    if (chosen == QStringLiteral("Open Settings"))
        m_alerts.openLink(QString::fromLatin1(AutomationLink));
    return chosen == QStringLiteral("Continue");
}

QList<RemnantScanner::TrashedItem> RemnantScanner::markTrashed(const QList<RemnantItemPtr> &items,
                                                               const std::vector<fs::path> &places,
                                                               const QString &logPrefix)
{
    QList<TrashedItem> trashed;
    for (qsizetype i = 0; i < items.size(); ++i) {
        const RemnantItemPtr &item = items[i];
        trashed.append({item, places[std::size_t(i)], item->action(), m_listGeneration});
        item->setAction(RemnantAction::trashed());
        DiagnosticLog::write(logPrefix + item->name());
    }
    removeRemnants(items);
    return trashed;
}

void RemnantScanner::moveToTrash(const RemnantItemPtr &item)
{
    const QString name = item->name();
    const TrashOutcome trashed = trash(*m_platform, removalGuard(), item->url());
    if (trashed.success) {
        setUndoableTrash(markTrashed({item}, {trashed.trashedPath}, QStringLiteral("✅ Moved to Trash: ")));
        return;
    }
    if (!trashed.permissionDenied()) {
        showTrashFailure(name, RemnantActionReport::plainReason(trashed.errorDescription, name));
        return;
    }

    if (!askForAdministratorRights(administratorQuestion(1, name)))
        return;
    // The answer may have taken long enough for the folders above the item to change.
    if (const auto refusal = removalGuard().refusal(item->url())) {
        showTrashFailure(name, *refusal);
        return;
    }
    fs::path place;
    const ScriptOutcome outcome = moveToTrashWithAdminRights(item, place);
    if (outcome.success) {
        setUndoableTrash(markTrashed({item}, {place}, QStringLiteral("✅ Moved to Trash with admin rights: ")));
        return;
    }
    if (!m_platform->isMacOS()) {
        showTrashFailure(name, RemnantActionReport::plainReason(trashed.errorDescription, name));
        return;
    }
    const QString detail = outcome.errorNumber == RefusedControlError ? RefusedControlText : trashed.errorDescription;
    const int choice = m_alerts.runModal(
        {QStringLiteral("Error while deleting"),
         RefusedControlText + QStringLiteral("\n\nThe file '%1' could not be deleted.\n\nError: %2").arg(name, detail),
         {QStringLiteral("OK"), QStringLiteral("Open Settings")}});
    if (choice == AlertPresenter::FirstButton + 1)
        m_alerts.openLink(QString::fromLatin1(FullDiskAccessLink));
}

ScriptOutcome RemnantScanner::moveToTrashWithAdminRights(const RemnantItemPtr &item)
{
    fs::path place;
    return moveToTrashWithAdminRights(item, place);
}

ScriptOutcome RemnantScanner::moveToTrashWithAdminRights(const RemnantItemPtr &item, fs::path &place)
{
    const RemovalGuard guard = removalGuard();
    std::vector<fs::path> places;
    const ScriptOutcome outcome = AdministratorTrash::moveToTrash(*m_platform, guard, {item->url()}, &places).front();
    place = places.front();
    return outcome;
}

std::optional<QString> RemnantScanner::applyTag(const RemnantItemPtr &item, FinderTagColor color)
{
    std::optional<QString> error = writeTag(*m_platform, removalGuard(), item->url(), color);
    if (!error)
        item->setAction(RemnantAction::tagged(color));
    return error;
}

bool RemnantScanner::beginAction(const QList<RemnantItemPtr> &items, RemnantActionReport::Kind kind,
                                 std::optional<FinderTagColor> color)
{
    if (m_isActing)
        return false;
    m_actionItems = items;
    m_actionFailures = QList<std::optional<QString>>(items.size());
    m_actionReport = RemnantActionReport{};
    m_actionReport.kind = kind;
    m_actionReport.color = color;
    m_actionReport.requested = int(items.size());
    publish(m_isActing, true, &RemnantScanner::isActingChanged);
    return true;
}

std::function<void(int done)> RemnantScanner::actionProgressReporter(int total)
{
    return [this, total](int done) {
        if (done % ActionProgressInterval != 0 && done != total)
            return;
        m_calls.post([this, done, total] { emit actionProgress(done, total); });
    };
}

bool RemnantScanner::moveToTrashInBackground(const QList<RemnantItemPtr> &items)
{
    if (!beginAction(items, RemnantActionReport::Kind::trash, std::nullopt))
        return false;
    auto work = [this, paths = pathsOf(items), platform = m_platform, profile = m_profile, bundles = m_protectedItems,
                 stop = m_actionStopped,
                 progress = actionProgressReporter(int(items.size()))]() -> std::function<void()> {
        const RemovalGuard guard(*platform, *profile, bundles);
        std::vector<TrashOutcome> outcomes;
        outcomes.reserve(paths.size());
        for (const fs::path &path : paths) {
            if (stop->load())
                return {};
            outcomes.push_back(trash(*platform, guard, path));
            progress(int(outcomes.size()));
        }
        return [this, outcomes = std::move(outcomes)] {
            trashAttempted(outcomes);
        };
    };
    runInBackground(m_actionWorker, m_actionStopped, std::move(work));
    return true;
}

void RemnantScanner::trashAttempted(const std::vector<TrashOutcome> &outcomes)
{
    QList<RemnantItemPtr> moved;
    std::vector<fs::path> places;
    std::vector<std::size_t> refused;
    for (std::size_t i = 0; i < outcomes.size(); ++i) {
        const RemnantItemPtr &item = m_actionItems[qsizetype(i)];
        if (outcomes[i].success) {
            moved.append(item);
            places.push_back(outcomes[i].trashedPath);
            continue;
        }
        m_actionFailures[qsizetype(i)] = RemnantActionReport::plainReason(outcomes[i].errorDescription, item->name());
        if (outcomes[i].permissionDenied())
            refused.push_back(i);
    }
    m_actionReport.succeeded += int(moved.size());
    m_actionTrashed += markTrashed(moved, places, QStringLiteral("✅ Moved to Trash: "));
    if (refused.empty()) {
        finishAction();
        return;
    }

    const QString question = administratorQuestion(refused.size(), m_actionItems[qsizetype(refused.front())]->name());
    if (!askForAdministratorRights(question)) {
        m_actionReport.declinedAdministrator = true;
        finishAction();
        return;
    }
    std::vector<fs::path> paths;
    for (const std::size_t i : refused)
        paths.push_back(m_actionItems[qsizetype(i)]->url());
    // The run blocks while the system asks for the password, so it is not made here.
    auto work = [this, refused, paths = std::move(paths), platform = m_platform, profile = m_profile,
                 bundles = m_protectedItems]() -> std::function<void()> {
        std::vector<fs::path> places;
        std::vector<ScriptOutcome> results =
            AdministratorTrash::moveToTrash(*platform, RemovalGuard(*platform, *profile, bundles), paths, &places);
        return [this, refused, results = std::move(results), places = std::move(places)] {
            trashedAsAdministrator(refused, results, places);
        };
    };
    runInBackground(m_actionWorker, m_actionStopped, std::move(work));
}

void RemnantScanner::trashedAsAdministrator(const std::vector<std::size_t> &indices,
                                            const std::vector<ScriptOutcome> &outcomes,
                                            const std::vector<fs::path> &places)
{
    QList<RemnantItemPtr> moved;
    std::vector<fs::path> movedPlaces;
    for (std::size_t k = 0; k < indices.size(); ++k) {
        const qsizetype i = qsizetype(indices[k]);
        if (outcomes[k].success) {
            moved.append(m_actionItems[i]);
            movedPlaces.push_back(places[k]);
            m_actionFailures[i].reset();
        } else {
            m_actionFailures[i] = administratorFailure(outcomes[k]);
        }
    }
    m_actionReport.succeeded += int(moved.size());
    m_actionTrashed += markTrashed(moved, movedPlaces, QStringLiteral("✅ Moved to Trash with admin rights: "));
    finishAction();
}

bool RemnantScanner::applyTagInBackground(const QList<RemnantItemPtr> &items, FinderTagColor color)
{
    if (!beginAction(items, RemnantActionReport::Kind::tag, color))
        return false;
    auto work = [this, paths = pathsOf(items), platform = m_platform, profile = m_profile, bundles = m_protectedItems,
                 color, stop = m_actionStopped,
                 progress = actionProgressReporter(int(items.size()))]() -> std::function<void()> {
        const RemovalGuard guard(*platform, *profile, bundles);
        std::vector<std::optional<QString>> errors;
        errors.reserve(paths.size());
        for (const fs::path &path : paths) {
            if (stop->load())
                return {};
            errors.push_back(writeTag(*platform, guard, path, color));
            progress(int(errors.size()));
        }
        return [this, errors = std::move(errors)] {
            tagsApplied(errors);
        };
    };
    runInBackground(m_actionWorker, m_actionStopped, std::move(work));
    return true;
}

void RemnantScanner::tagsApplied(const std::vector<std::optional<QString>> &errors)
{
    const FinderTagColor color = *m_actionReport.color;
    for (std::size_t i = 0; i < errors.size(); ++i) {
        const RemnantItemPtr &item = m_actionItems[qsizetype(i)];
        if (errors[i]) {
            m_actionFailures[qsizetype(i)] = RemnantActionReport::plainReason(*errors[i], item->name());
        } else {
            item->setAction(RemnantAction::tagged(color));
            ++m_actionReport.succeeded;
        }
    }
    finishAction();
}

void RemnantScanner::finishAction()
{
    for (qsizetype i = 0; i < m_actionItems.size(); ++i) {
        if (m_actionFailures[i])
            m_actionReport.failures.append({m_actionItems[i]->name(), *m_actionFailures[i]});
    }
    const RemnantActionReport report = std::exchange(m_actionReport, RemnantActionReport{});
    m_actionItems.clear();
    m_actionFailures.clear();
    if (!m_actionTrashed.isEmpty())
        setUndoableTrash(std::exchange(m_actionTrashed, {}));
    publish(m_isActing, false, &RemnantScanner::isActingChanged);
    emit actionFinished(report);
}
