#include "scanner/TrashRestore.h"

#include "platform/Platform.h"
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
    if (auto refused = refusal(platform, guard, original)) {
        RestoreOutcome outcome;
        outcome.errorDescription = std::move(*refused);
        outcome.stillInTrash = true;
        return outcome;
    }
    return platform.restoreFromTrash(trashedItem, original);
}
