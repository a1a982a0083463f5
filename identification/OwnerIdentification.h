// SPDX-FileCopyrightText: 2026 The Leftscan developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "model/Evidence.h"
#include "model/RemnantStatus.h"

#include <QString>
#include <optional>

// Who owns a leftover entry, whether the owner is installed (stale) or not (orphan), and why it was
// attributed to that owner.
struct OwnerIdentification {
    std::optional<QString> bundleID;
    std::optional<QString> appName;
    RemnantStatus status = RemnantStatus::orphan;
    EvidenceList evidence;
    // The owner was offered by the fuzzy evidence stages, not by direct evidence or the identification service.
    bool weakMatch = false;
    // The entry's property-list Label, when it is a property list that has one.
    std::optional<QString> label{};
    // The owner is installed, but which of its applications the entry is was not told for certain: its name reads
    // "Unknown".
    bool unnamed = false;
};
