// SPDX-FileCopyrightText: 2026 The Leftscan developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "ui/FailureText.h"

#include <optional>

// A refusal as the user reads it; empty when there is none.
inline QString reasonText(const std::optional<FailureReason> &reason)
{
    return reason ? FailureText::of(*reason) : QString();
}
