// SPDX-FileCopyrightText: 2026 The Leftscan developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "inventory/Inventory.h"

#include <QString>
#include <optional>
#include <vector>

// The evidence stages written out as plainly as they are described: every stage walks the whole inventory.
// Returns the records that could be the first one offered, for some order of walking the inventory, by the
// first stage that offers anything; empty when no stage offers anything.
std::vector<InstalledApp> literalFirstOffers(const Inventory &inventory, const QString &name, const QString &base,
                                             const std::optional<QString> &label);
