// SPDX-FileCopyrightText: 2026 The Leftscan developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "scanner/AdministratorTrash.h"

#include "platform/DiagnosticLog.h"
#include "platform/Platform.h"
#include "scanner/RemovalGuard.h"

#include <optional>

namespace fs = std::filesystem;

std::vector<ScriptOutcome> AdministratorTrash::moveToTrash(const Platform &platform, const RemovalGuard &guard,
                                                           const std::vector<fs::path> &items,
                                                           std::vector<fs::path> *destinations)
{
    // Every item goes to a free name in the user's own Trash, which its restore information holds in advance, so
    // that nothing there is replaced and the item can be put back. The privileged run takes each item from the folder
    // the guard checked, opened without following any symbolic link.
    std::vector<ScriptOutcome> outcomes(items.size());
    if (destinations)
        destinations->assign(items.size(), fs::path());
    std::vector<std::optional<TrashSlot>> reserved(items.size());
    std::vector<AdministratorMove> moves;
    for (std::size_t i = 0; i < items.size(); ++i) {
        fs::path folder;
        if (const auto refusal = guard.refusal(items[i], &folder)) {
            outcomes[i] = ScriptOutcome{false, std::nullopt, *refusal};
            continue;
        }
        reserved[i] = platform.reserveTrashSlot(items[i]);
        if (reserved[i])
            moves.push_back({items[i], folder, *reserved[i]});
        else
            outcomes[i] = ScriptOutcome{false, std::nullopt, QStringLiteral("The Trash cannot be written")};
    }
    if (moves.empty())
        return outcomes;

    const ScriptOutcome run = platform.moveToTrashAsAdministrator(moves);
    if (!run.success)
        DiagnosticLog::write(QStringLiteral("❌ AppleScript error: ") + run.description);
    for (std::size_t i = 0; i < items.size(); ++i) {
        if (!reserved[i])
            continue;
        if (!platform.exists(items[i]) && !platform.attributes(items[i]).modified) {
            DiagnosticLog::write(QStringLiteral("✅ Deleted with admin rights (AppleScript)"));
            outcomes[i] = ScriptOutcome{true, std::nullopt, QString()};
            if (destinations)
                (*destinations)[i] = reserved[i]->destination;
            continue;
        }
        // A reservation whose item arrived after all is kept by the release.
        platform.releaseTrashSlot(*reserved[i]);
        if (run.success) {
            DiagnosticLog::write(QString::fromUtf8("⚠️ AppleScript meldet Erfolg, Datei existiert noch"));
            outcomes[i] = ScriptOutcome{false, std::nullopt, QString()};
        } else {
            outcomes[i] = run;
        }
    }
    return outcomes;
}
