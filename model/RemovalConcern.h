// SPDX-FileCopyrightText: 2026 The Leftscan developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Why an item must be confirmed by name before it leaves, in the order they are told.
enum class RemovalConcern {
    holdsUserFiles,          // the census found the user's own files inside
    usedRecently,            // something inside changed within the stale threshold
    partlyUnreadable,        // some folders inside could not be read, and may hold anything
    notLookedInside,         // no census has been taken yet
    mayBelongToInstalledApp, // an orphan whose name also matches installed software
};
