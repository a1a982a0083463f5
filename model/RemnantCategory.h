// SPDX-FileCopyrightText: 2026 The Leftscan developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "model/EnumerationCases.h"

#include <QString>

// The kind of Library folder an entry was found in. The raw value is the display name.
enum class RemnantCategory {
    applicationSupport,
    applicationScripts,
    launchAgents,
    launchDaemons,
    preferences,
    caches,
    containers,
    savedState,
    logs,
    cronJobs,
    other,
    // The Linux desktop's folders.
    configuration,
    applicationData,
    cache,
    state,
    flatpakData,
    snapData,
    autostart,
    userServices,
    menuEntries,
    dotFolders
};

template <> std::span<const RemnantCategory> allCases<RemnantCategory>();

QString rawValue(RemnantCategory category);
// The category's name in the command line's JSON and CSV, which stays as it is whatever language the window speaks.
QString keyOf(RemnantCategory category);
// True for the folders whose content programs make again at will, caches and logs: nothing in them but credentials
// counts as the user's own files.
bool holdsDisposableContent(RemnantCategory category);
