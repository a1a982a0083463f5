// SPDX-FileCopyrightText: 2026 The Leftscan developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Undoing the last move to the Trash: its items go back to their places, and to the list.
#include "scanner/ScanSession.h"

#include "platform/DiagnosticLog.h"
#include "platform/Platform.h"
#include "scanner/RemovalGuard.h"
#include "scanner/TrashRestore.h"

namespace fs = std::filesystem;

void ScanSession::setUndoableTrash(QList<TrashedItem> items)
{
    const bool could = canUndoTrash();
    m_undoableTrash = std::move(items);
    if (could != canUndoTrash())
        emit canUndoTrashChanged(canUndoTrash());
}

bool ScanSession::undoTrashInBackground()
{
    if (m_undoableTrash.isEmpty() || m_isActing)
        return false;
    QList<RemnantItemPtr> items;
    std::vector<std::pair<fs::path, fs::path>> moves;
    for (const TrashedItem &trashed : std::as_const(m_undoableTrash)) {
        items.append(trashed.item);
        moves.emplace_back(trashed.trashedPath, trashed.item->url());
    }
    if (!beginAction(items, RemnantActionReport::Kind::restore, std::nullopt))
        return false;
    m_restoring = m_undoableTrash;
    setUndoableTrash({});
    auto work = [this, moves = std::move(moves), platform = m_platform, profile = m_profile, bundles = m_protectedItems,
                 stop = m_actionStopped,
                 progress = actionProgressReporter(int(items.size()))]() -> std::function<void()> {
        const RemovalGuard guard(*platform, *profile, bundles);
        std::vector<TrashRestore::Outcome> outcomes;
        outcomes.reserve(moves.size());
        for (const auto &[trashed, original] : moves) {
            if (stop->load())
                return {};
            outcomes.push_back(TrashRestore::restore(*platform, guard, trashed, original));
            progress(int(outcomes.size()));
        }
        return [this, outcomes = std::move(outcomes)] {
            restoreAttempted(outcomes);
        };
    };
    runInBackground(m_actionWorker, m_actionStopped, std::move(work));
    return true;
}

void ScanSession::restoreAttempted(const std::vector<TrashRestore::Outcome> &outcomes)
{
    QList<TrashedItem> listedAgain;
    QList<TrashedItem> stayed;
    for (std::size_t i = 0; i < outcomes.size(); ++i) {
        const TrashedItem &trashed = m_restoring[qsizetype(i)];
        const RemnantItemPtr &item = trashed.item;
        if (!outcomes[i].success) {
            m_actionFailures[qsizetype(i)] = outcomes[i].failure();
            if (outcomes[i].stillInTrash)
                stayed.append(trashed);
            continue;
        }
        ++m_actionReport.succeeded;
        item->setAction(trashed.previousAction);
        DiagnosticLog::write(QStringLiteral("✅ Put back from Trash: ") + item->name());
        // A list that a scan has started afresh since lists the item again when that scan finds it.
        if (trashed.listGeneration == m_listGeneration && !m_items.contains(item))
            listedAgain.append(trashed);
    }
    m_restoring.clear();
    if (m_actionReport.succeeded > 0)
        emit actionsChanged();
    insertItems(listedAgain);
    setUndoableTrash(std::move(stayed));
    finishAction();
}
