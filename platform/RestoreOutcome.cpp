// SPDX-FileCopyrightText: 2026 The Leftscan developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/RestoreOutcome.h"

#include "platform/PathNames.h"

RestoreOutcome RestoreOutcome::cannotPutBack(const std::filesystem::path &original, QString reason, bool stillInTrash)
{
    RestoreOutcome outcome;
    outcome.errorDescription = QStringLiteral("Cannot put '%1' back: %2").arg(PathNames::fileName(original), reason);
    if (!reason.isEmpty())
        reason[0] = reason[0].toUpper();
    outcome.reason = std::move(reason);
    outcome.stillInTrash = stillInTrash;
    return outcome;
}
