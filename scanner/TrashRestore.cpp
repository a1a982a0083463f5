// SPDX-FileCopyrightText: 2026 The Leftscan developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "scanner/TrashRestore.h"

#include "platform/Platform.h"
#include "platform/TrustedFolder.h"
#include "scanner/RemovalGuard.h"

namespace fs = std::filesystem;

std::optional<FailureReason> TrashRestore::refusal(const Platform &platform, const RemovalGuard &guard,
                                                   const fs::path &original)
{
    if (platform.entryKind(original.parent_path()) == Platform::EntryKind::missing)
        return std::nullopt;
    return guard.refusal(original);
}

TrashRestore::Outcome TrashRestore::restore(const Platform &platform, const RemovalGuard &guard,
                                            const fs::path &trashedItem, const fs::path &original)
{
    Outcome outcome;
    outcome.stillInTrash = true;
    // A folder that is gone stays gone: the item goes back only into a folder that the guard has just checked.
    if (platform.entryKind(original.parent_path()) == Platform::EntryKind::missing) {
        FailureReason gone = FailureReason::of(FailureReason::Kind::folderGone);
        gone.path = original.parent_path();
        outcome.refusal = gone;
        return outcome;
    }
    std::shared_ptr<const TrustedFolder> folder;
    if (auto refused = guard.refusal(original, &folder)) {
        outcome.refusal = *refused;
        return outcome;
    }
    static_cast<RestoreOutcome &>(outcome) = platform.restoreFromTrash(trashedItem, original, *folder);
    return outcome;
}
