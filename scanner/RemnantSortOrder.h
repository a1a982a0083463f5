// SPDX-FileCopyrightText: 2026 The Leftscan developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "model/EnumerationCases.h"
#include "model/RemnantItem.h"

#include <QString>

// The orders the list can be shown in. Each compares one key only; a stable sort keeps equal items in the order
// the filtered list had them.
enum class RemnantSortOrder { riskDescending, sizeDescending, nameAscending, lastUsedDescending };

template <> std::span<const RemnantSortOrder> allCases<RemnantSortOrder>();

// True when `left` goes strictly before `right` in the order.
bool sortsBefore(RemnantSortOrder order, const RemnantItem &left, const RemnantItem &right);
