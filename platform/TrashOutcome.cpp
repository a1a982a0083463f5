// SPDX-FileCopyrightText: 2026 The Leftscan developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/TrashOutcome.h"

#include "platform/PathNames.h"

TrashOutcome TrashOutcome::cannotMove(const std::filesystem::path &item, QString reason, int errorNumber)
{
    TrashOutcome outcome;
    outcome.errorDescription =
        QStringLiteral("Cannot move '%1' to the Trash: %2").arg(PathNames::fileName(item), reason);
    if (!reason.isEmpty())
        reason[0] = reason[0].toUpper();
    outcome.reason = std::move(reason);
    outcome.errorNumber = errorNumber;
    return outcome;
}
