// SPDX-FileCopyrightText: 2026 The Leftscan developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "platform/TrashOutcome.h"
#include "scanner/FailureReason.h"

#include <optional>

// What became of an item that was to go to the Trash, with why RemovalGuard refused it, when it did.
struct TrashAttempt {
    TrashOutcome outcome;
    std::optional<FailureReason> refusal;

    // Why it did not go.
    FailureReason failure() const
    {
        return refusal ? *refusal : FailureReason::fromOutcome(outcome.errorNumber, outcome.reason);
    }
};
