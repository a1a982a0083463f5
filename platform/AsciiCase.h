// SPDX-FileCopyrightText: 2026 The Leftscan developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <algorithm>
#include <string_view>

// Case in ASCII only, for the names and keys of files that are compared byte by byte whatever the locale.
struct AsciiCase {
    static constexpr bool isUpper(char c) { return c >= 'A' && c <= 'Z'; }
    static constexpr char lower(char c) { return isUpper(c) ? char(c - 'A' + 'a') : c; }
    // Whether `text` is `lowerWord` but for the case of its letters.
    static constexpr bool equalsLower(std::string_view text, std::string_view lowerWord)
    {
        return text.size() == lowerWord.size() &&
               std::equal(text.begin(), text.end(), lowerWord.begin(), [](char a, char b) { return lower(a) == b; });
    }
};
