// SPDX-FileCopyrightText: 2026 The Leftscan developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "platform/RestoreOutcome.h"
#include "scanner/FailureReason.h"

#include <QString>
#include <filesystem>
#include <optional>

class Platform;
class RemovalGuard;

// Puts an item back from the Trash at the place it was moved from, when that place is one RemovalGuard accepts:
// directly in a Library folder that a scan lists. The item goes into the very folder the guard holds, so a place
// whose folder is gone is refused, and so is one reached through a symbolic link that others can change. Works on
// paths only, on any thread.
class TrashRestore {
public:
    struct Outcome : RestoreOutcome {
        // Why the place was refused before the Trash was asked.
        std::optional<FailureReason> refusal;

        // Why the item stayed, for the user.
        FailureReason failure() const { return refusal ? *refusal : FailureReason::systemText(reason); }
    };

    static Outcome restore(const Platform &platform, const RemovalGuard &guard,
                           const std::filesystem::path &trashedItem, const std::filesystem::path &original);
    // Why the guard refuses `original` as a place to put an item back; absent when it accepts it or its folder is
    // gone.
    static std::optional<FailureReason> refusal(const Platform &platform, const RemovalGuard &guard,
                                                const std::filesystem::path &original);
};
