// SPDX-FileCopyrightText: 2026 The Leftscan developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstddef>

// The longest text value the engine keeps from a file it reads for content: a bundle identifier, a Label, a name,
// a command line. Real ones are far shorter. A longer value is left out, as if the file did not hold it, so that
// nothing made from it (inventory keys, words, indexes) grows with what a file can hold.
struct TextLimits {
    static constexpr std::size_t MaximumValueBytes = 4096;
};
