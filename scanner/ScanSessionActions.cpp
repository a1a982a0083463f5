// SPDX-FileCopyrightText: 2026 The Leftscan developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The session's two actions, moving to the Trash with the administrator fallback and tagging, on one item at once
// or on many in the background.
#include "scanner/ScanSession.h"

#include "model/RemovalAssessment.h"
#include "platform/DiagnosticLog.h"
#include "platform/PathNames.h"
#include "platform/Platform.h"
#include "platform/TrustedFolder.h"
#include "scanner/AdministratorTrash.h"
#include "scanner/Profile.h"
#include "scanner/RemovalGuard.h"
#include "scanner/SessionQuestions.h"

#include <algorithm>
#include <cstring>

namespace fs = std::filesystem;

namespace {

constexpr int RefusedControlError = -1743;

// Why a privileged move failed.
FailureReason administratorFailure(const AdministratorTrash::Outcome &outcome)
{
    if (outcome.refusal)
        return *outcome.refusal;
    if (outcome.errorNumber == RefusedControlError)
        return FailureReason::of(FailureReason::Kind::controlRefused);
    if (!outcome.description.isEmpty())
        return FailureReason::systemText(outcome.description);
    return FailureReason::of(FailureReason::Kind::stillInPlace);
}

// Replaces the item's tags with the colour unless the guard refuses the item; why not on failure. A failure to write
// the tags is logged.
std::optional<FailureReason> writeTag(const Platform &platform, const RemovalGuard &guard, const fs::path &item,
                                      FinderTagColor color)
{
    if (std::optional<FailureReason> refusal = guard.refusal(item))
        return refusal;
    const std::optional<QString> error = platform.setTags(item, {rawValue(color)});
    if (!error)
        return std::nullopt;
    DiagnosticLog::write(QStringLiteral("Tagging error: ") + *error);
    return FailureReason::systemText(*error);
}

// Moves the item to the Trash unless the guard refuses it.
TrashAttempt trash(const Platform &platform, const RemovalGuard &guard, const fs::path &item)
{
    std::shared_ptr<const TrustedFolder> folder;
    if (auto refusal = guard.refusal(item, &folder))
        return {TrashOutcome{}, std::move(refusal)};
    return {platform.moveToTrash(item, *folder), std::nullopt};
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

RemovalGuard ScanSession::removalGuard() const
{
    return RemovalGuard(*m_platform, *m_profile, m_protectedItems);
}

bool ScanSession::allowsAdministrator(const RemnantItemPtr &item) const
{
    const fs::path folder = item->url().parent_path();
    const std::vector<ScanLocation> locations = m_profile->scanLocations();
    return std::none_of(locations.begin(), locations.end(), [&](const ScanLocation &location) {
        return location.path.url == folder && !location.allowsAdministrator;
    });
}

QList<ScanSession::TrashedItem> ScanSession::markTrashed(const QList<RemnantItemPtr> &items,
                                                         const std::vector<fs::path> &places, const QString &logPrefix)
{
    QList<TrashedItem> trashed;
    for (qsizetype i = 0; i < items.size(); ++i) {
        const RemnantItemPtr &item = items[i];
        trashed.append({item, places[std::size_t(i)], item->action(), item->m_listOrder, m_listGeneration});
        item->setAction(RemnantAction::trashed());
        DiagnosticLog::write(logPrefix + item->name());
    }
    removeItems(items);
    emit actionsChanged();
    return trashed;
}

void ScanSession::moveToTrash(const RemnantItemPtr &item, Confirmation confirmation)
{
    const QString name = item->name();
    if (confirmation != Confirmation::byName && RemovalAssessment::needsConfirmation(*item)) {
        m_questions.tellTrashFailure({name, FailureReason::of(FailureReason::Kind::notConfirmed)});
        return;
    }
    const TrashAttempt attempt = trash(*m_platform, removalGuard(), item->url());
    const TrashOutcome &trashed = attempt.outcome;
    if (trashed.success) {
        setUndoableTrash(markTrashed({item}, {trashed.trashedPath}, QStringLiteral("✅ Moved to Trash: ")));
        return;
    }
    if (!trashed.permissionDenied() || !allowsAdministrator(item)) {
        m_questions.tellTrashFailure({name, attempt.failure()});
        return;
    }

    if (m_questions.askForAdministratorRights({1, name}) != SessionQuestions::AdministratorAnswer::proceed)
        return;
    // The answer may have taken long enough for the folders above the item to change.
    if (const auto refusal = removalGuard().refusal(item->url())) {
        m_questions.tellTrashFailure({name, *refusal});
        return;
    }
    fs::path place;
    const AdministratorTrash::Outcome outcome = moveToTrashWithAdminRights(item, place);
    if (outcome.success) {
        setUndoableTrash(markTrashed({item}, {place}, QStringLiteral("✅ Moved to Trash with admin rights: ")));
        return;
    }
    m_questions.tellTrashFailure({name, administratorFailure(outcome), true, attempt.failure()});
}

AdministratorTrash::Outcome ScanSession::moveToTrashWithAdminRights(const RemnantItemPtr &item)
{
    fs::path place;
    return moveToTrashWithAdminRights(item, place);
}

AdministratorTrash::Outcome ScanSession::moveToTrashWithAdminRights(const RemnantItemPtr &item, fs::path &place)
{
    if (!allowsAdministrator(item)) {
        AdministratorTrash::Outcome refused;
        refused.description = QString::fromLocal8Bit(std::strerror(EPERM));
        refused.refusal = FailureReason::systemError(EPERM);
        return refused;
    }
    const RemovalGuard guard = removalGuard();
    std::vector<fs::path> places;
    AdministratorTrash::Outcome outcome =
        AdministratorTrash::moveToTrash(*m_platform, guard, {item->url()}, &places).front();
    place = places.front();
    return outcome;
}

std::optional<FailureReason> ScanSession::applyTag(const RemnantItemPtr &item, FinderTagColor color)
{
    std::optional<FailureReason> error = writeTag(*m_platform, removalGuard(), item->url(), color);
    if (!error) {
        item->setAction(RemnantAction::tagged(color));
        emit actionsChanged();
    }
    return error;
}

bool ScanSession::beginAction(const QList<RemnantItemPtr> &items, RemnantActionReport::Kind kind,
                              std::optional<FinderTagColor> color)
{
    if (m_isActing)
        return false;
    m_actionItems = items;
    m_actionFailures = QList<std::optional<FailureReason>>(items.size());
    m_actionReport = RemnantActionReport{};
    m_actionReport.kind = kind;
    m_actionReport.color = color;
    m_actionReport.requested = int(items.size());
    m_isActing = true;
    emit isActingChanged(true);
    return true;
}

std::function<void(int done)> ScanSession::actionProgressReporter(int total)
{
    return [this, total](int done) {
        if (done % ActionProgressInterval != 0 && done != total)
            return;
        m_calls.post([this, done, total] { emit actionProgress(done, total); });
    };
}

bool ScanSession::moveToTrashInBackground(const QList<RemnantItemPtr> &items,
                                          const QList<RemnantItemPtr> &confirmedByName)
{
    if (!beginAction(items, RemnantActionReport::Kind::trash, std::nullopt))
        return false;
    // What the assessment holds back is decided here, on the records' own thread.
    std::vector<bool> heldBack;
    heldBack.reserve(std::size_t(items.size()));
    for (const RemnantItemPtr &item : items)
        heldBack.push_back(RemovalAssessment::needsConfirmation(*item) && !confirmedByName.contains(item));
    auto work = [this, paths = pathsOf(items), heldBack = std::move(heldBack), platform = m_platform,
                 profile = m_profile, bundles = m_protectedItems, stop = m_actionStopped,
                 progress = actionProgressReporter(int(items.size()))]() -> std::function<void()> {
        const RemovalGuard guard(*platform, *profile, bundles);
        std::vector<TrashAttempt> outcomes;
        outcomes.reserve(paths.size());
        for (std::size_t i = 0; i < paths.size(); ++i) {
            if (stop->load())
                return {};
            outcomes.push_back(heldBack[i]
                                   ? TrashAttempt{TrashOutcome{}, FailureReason::of(FailureReason::Kind::notConfirmed)}
                                   : trash(*platform, guard, paths[i]));
            progress(int(outcomes.size()));
        }
        return [this, outcomes = std::move(outcomes)] {
            trashAttempted(outcomes);
        };
    };
    runInBackground(m_actionWorker, m_actionStopped, std::move(work));
    return true;
}

void ScanSession::trashAttempted(const std::vector<TrashAttempt> &attempts)
{
    QList<RemnantItemPtr> moved;
    std::vector<fs::path> places;
    std::vector<std::size_t> refused;
    for (std::size_t i = 0; i < attempts.size(); ++i) {
        const RemnantItemPtr &item = m_actionItems[qsizetype(i)];
        const TrashOutcome &outcome = attempts[i].outcome;
        if (outcome.success) {
            moved.append(item);
            places.push_back(outcome.trashedPath);
            continue;
        }
        m_actionFailures[qsizetype(i)] = attempts[i].failure();
        if (outcome.permissionDenied() && allowsAdministrator(item))
            refused.push_back(i);
    }
    m_actionReport.succeeded += int(moved.size());
    m_actionTrashed += markTrashed(moved, places, QStringLiteral("✅ Moved to Trash: "));
    if (refused.empty()) {
        finishAction();
        return;
    }

    const SessionQuestions::AdministratorRequest request{int(refused.size()),
                                                         m_actionItems[qsizetype(refused.front())]->name()};
    if (m_questions.askForAdministratorRights(request) != SessionQuestions::AdministratorAnswer::proceed) {
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
        std::vector<AdministratorTrash::Outcome> results =
            AdministratorTrash::moveToTrash(*platform, RemovalGuard(*platform, *profile, bundles), paths, &places);
        return [this, refused, results = std::move(results), places = std::move(places)] {
            trashedAsAdministrator(refused, results, places);
        };
    };
    runInBackground(m_actionWorker, m_actionStopped, std::move(work));
}

void ScanSession::trashedAsAdministrator(const std::vector<std::size_t> &indices,
                                         const std::vector<AdministratorTrash::Outcome> &outcomes,
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

bool ScanSession::applyTagInBackground(const QList<RemnantItemPtr> &items, FinderTagColor color)
{
    if (!beginAction(items, RemnantActionReport::Kind::tag, color))
        return false;
    auto work = [this, paths = pathsOf(items), platform = m_platform, profile = m_profile, bundles = m_protectedItems,
                 color, stop = m_actionStopped,
                 progress = actionProgressReporter(int(items.size()))]() -> std::function<void()> {
        const RemovalGuard guard(*platform, *profile, bundles);
        std::vector<std::optional<FailureReason>> errors;
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

void ScanSession::tagsApplied(const std::vector<std::optional<FailureReason>> &errors)
{
    const FinderTagColor color = *m_actionReport.color;
    for (std::size_t i = 0; i < errors.size(); ++i) {
        const RemnantItemPtr &item = m_actionItems[qsizetype(i)];
        if (errors[i]) {
            m_actionFailures[qsizetype(i)] = *errors[i];
        } else {
            item->setAction(RemnantAction::tagged(color));
            ++m_actionReport.succeeded;
        }
    }
    if (m_actionReport.succeeded > 0)
        emit actionsChanged();
    finishAction();
}

void ScanSession::finishAction()
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
    m_isActing = false;
    emit isActingChanged(false);
    emit actionFinished(report);
}
