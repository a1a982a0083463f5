// SPDX-FileCopyrightText: 2026 The Leftscan developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "platform/ScriptOutcome.h"
#include "scanner/FailureReason.h"

#include <filesystem>
#include <vector>

class Platform;
class RemovalGuard;

// Moves items that the ordinary Trash refused into free names of the user's Trash with one command run with
// administrator rights, so that the system asks for the password once, and checks every item on disk
// afterwards. Works on paths only, on any thread; the command blocks while the system asks.
class AdministratorTrash {
public:
    struct Outcome : ScriptOutcome {
        // Why the item was not part of the run.
        std::optional<FailureReason> refusal;
    };

    // One outcome per item, in order. An item succeeded when it has left its place and arrived at the name reserved
    // for it. One that did not fails with the run's outcome and the reason the run gave for it when the run failed,
    // and with no description when the run reported success; its reservation is given back. One that the guard
    // refuses, or for which no free name could be reserved, fails before the run with its refusal and is not part
    // of it. `destinations`, when given, receives where each item that
    // succeeded went in the Trash, and an empty path for the others.
    static std::vector<Outcome> moveToTrash(const Platform &platform, const RemovalGuard &guard,
                                            const std::vector<std::filesystem::path> &items,
                                            std::vector<std::filesystem::path> *destinations = nullptr);
};
