// SPDX-FileCopyrightText: 2026 The Leftscan developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "scanner/TrashRestore.h"

#include "platform/PathNames.h"
#include "platform/Platform.h"
#include "platform/TrustedFolder.h"
#include "scanner/RemovalGuard.h"

namespace fs = std::filesystem;

std::optional<QString> TrashRestore::refusal(const Platform &platform, const RemovalGuard &guard,
                                             const fs::path &original)
{
    if (platform.entryKind(original.parent_path()) == Platform::EntryKind::missing)
        return std::nullopt;
    return guard.refusal(original);
}

RestoreOutcome TrashRestore::restore(const Platform &platform, const RemovalGuard &guard, const fs::path &trashedItem,
                                     const fs::path &original)
{
    RestoreOutcome outcome;
    outcome.stillInTrash = true;
    // A folder that is gone stays gone: the item goes back only into a folder that the guard has just checked.
    if (platform.entryKind(original.parent_path()) == Platform::EntryKind::missing) {
        outcome.reason = QStringLiteral("Its folder %1 no longer exists").arg(PathNames::text(original.parent_path()));
        outcome.errorDescription = QStringLiteral("Cannot put '%1' back: its folder %2 no longer exists")
                                       .arg(PathNames::fileName(original), PathNames::text(original.parent_path()));
        return outcome;
    }
    std::shared_ptr<const TrustedFolder> folder;
    if (auto refused = guard.refusal(original, &folder)) {
        outcome.reason = *refused;
        outcome.errorDescription = std::move(*refused);
        return outcome;
    }
    return platform.restoreFromTrash(trashedItem, original, *folder);
}
