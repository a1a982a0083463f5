// SPDX-FileCopyrightText: 2026 The Leftscan developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstdint>
#include <string_view>

// A check made before a property list reaches the parser, which recurses once per nesting level, follows
// object references blindly and copies an object once for every reference to it. It refuses binary lists whose
// objects refer to each other in a cycle or outside the object table, and lists of either format nested deeper
// than the limit or that would parse into more objects or bytes than the limits, counting every copy.
// It runs in linear time and never recurses.
class PropertyListNesting {
public:
    struct Limits {
        int maximumDepth;
        // Objects and bytes of text or data in the parsed list, counting every copy of a shared object.
        std::uint64_t maximumExpandedObjects;
        std::uint64_t maximumExpandedBytes;
    };

    static bool isAcceptable(std::string_view bytes, const Limits &limits);
    static bool isBinary(std::string_view bytes);

private:
    static bool isAcceptableBinary(std::string_view bytes, const Limits &limits);
    static bool isAcceptableText(std::string_view bytes, const Limits &limits);
};
