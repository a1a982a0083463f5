// SPDX-FileCopyrightText: 2026 The Leftscan developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "identification/IdentificationWordLists.h"

#include <algorithm>

bool IdentificationWordLists::contains(std::span<const std::string_view> list, std::string_view word)
{
    return std::ranges::find(list, word) != list.end();
}
