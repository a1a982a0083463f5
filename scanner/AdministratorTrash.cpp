// SPDX-FileCopyrightText: 2026 The Leftscan developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "scanner/AdministratorTrash.h"

#include "platform/DiagnosticLog.h"
#include "platform/PathNames.h"
#include "platform/Platform.h"
#include "platform/TrashOutcome.h"
#include "platform/TrustedFolder.h"
#include "scanner/RemovalGuard.h"
#include "scanner/ScanLocation.h"

#include <optional>

namespace fs = std::filesystem;

namespace {

// What the helper said of this item as its reason; all it said when it named no item, as when the system's prompt
// itself failed.
QString reasonFor(const QString &said, const fs::path &item)
{
    return TrashOutcome::reasonIn(said, PathNames::fileName(item)).value_or(said);
}

// Administrator rights serve only the items of the home and of the system's own Library folders.
bool isServed(const Platform &platform, const fs::path &folder)
{
    for (const fs::path &place : {platform.homeDirectory(), platform.systemPath("/Library")}) {
        const auto resolved = platform.resolvedPath(place);
        if (resolved && ScanLocation::holds(*resolved, folder))
            return true;
    }
    return false;
}

} // namespace

std::vector<AdministratorTrash::Outcome> AdministratorTrash::moveToTrash(const Platform &platform,
                                                                         const RemovalGuard &guard,
                                                                         const std::vector<fs::path> &items,
                                                                         std::vector<fs::path> *destinations)
{
    // Every item goes to a free name in the user's own Trash, which its restore information holds in advance, so
    // that nothing there is replaced and the item can be put back. The privileged run takes each item from the folder
    // the guard checked, opened without following any symbolic link.
    std::vector<Outcome> outcomes(items.size());
    if (destinations)
        destinations->assign(items.size(), fs::path());
    std::vector<std::optional<TrashSlot>> reserved(items.size());
    std::vector<AdministratorMove> moves;
    for (std::size_t i = 0; i < items.size(); ++i) {
        std::shared_ptr<const TrustedFolder> folder;
        if (auto refusal = guard.refusal(items[i], &folder)) {
            outcomes[i].refusal = std::move(refusal);
            continue;
        }
        if (!isServed(platform, folder->path())) {
            outcomes[i].refusal = FailureReason::of(FailureReason::Kind::outsideHome);
            continue;
        }
        reserved[i] = platform.reserveTrashSlot(items[i]);
        if (reserved[i])
            moves.push_back({items[i], folder->path(), *reserved[i]});
        else
            outcomes[i].refusal = FailureReason::of(FailureReason::Kind::trashUnwritable);
    }
    if (moves.empty())
        return outcomes;

    const ScriptOutcome run = platform.moveToTrashAsAdministrator(moves);
    if (!run.success) {
        DiagnosticLog::write((platform.isMacOS() ? QStringLiteral("❌ AppleScript error: ")
                                                 : QStringLiteral("❌ The administrator command failed: ")) +
                             run.description);
    }
    for (std::size_t i = 0; i < items.size(); ++i) {
        if (!reserved[i])
            continue;
        const bool left = !platform.exists(items[i]) && !platform.attributes(items[i]).modified;
        if (left && platform.entryKind(reserved[i]->destination) != Platform::EntryKind::missing) {
            DiagnosticLog::write(QStringLiteral("✅ Deleted with admin rights (AppleScript)"));
            outcomes[i] = Outcome{{true, std::nullopt, QString()}, std::nullopt};
            if (destinations)
                (*destinations)[i] = reserved[i]->destination;
            continue;
        }
        // A reservation whose item arrived after all is kept by the release.
        platform.releaseTrashSlot(*reserved[i]);
        if (run.success) {
            DiagnosticLog::write(QString::fromUtf8("⚠️ AppleScript meldet Erfolg, Datei existiert noch"));
            outcomes[i] = Outcome{};
        } else {
            static_cast<ScriptOutcome &>(outcomes[i]) = run;
            outcomes[i].description = reasonFor(run.description, items[i]);
        }
    }
    return outcomes;
}
