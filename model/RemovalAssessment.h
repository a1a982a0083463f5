// SPDX-FileCopyrightText: 2026 The Leftscan developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "model/RemovalConcern.h"

#include <vector>

class RemnantItem;

// The one rule for what must be confirmed by name before it is moved to the Trash, which every move obeys.
class RemovalAssessment {
public:
    // What speaks against moving the item without the user naming it, in RemovalConcern's order; empty when nothing.
    static std::vector<RemovalConcern> concerns(const RemnantItem &item);
    static bool needsConfirmation(const RemnantItem &item) { return !concerns(item).empty(); }
};
