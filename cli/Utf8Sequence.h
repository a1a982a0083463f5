// SPDX-FileCopyrightText: 2026 The Leftscan developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstddef>
#include <string_view>

// Well-formed UTF-8 in bytes of any kind: no overlong forms, no surrogates, nothing above U+10FFFF.
class Utf8Sequence {
public:
    // The length of the well-formed sequence at the start of `bytes`; 0 when there is none there.
    static std::size_t length(std::string_view bytes);
    // The code point of the well-formed sequence of `length` bytes at the start of `bytes`.
    static char32_t codePoint(std::string_view bytes, std::size_t length);
};
