// SPDX-FileCopyrightText: 2026 The Leftscan developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

// A quick reader for the plain form of XML property lists that applications and launch jobs almost always use:
// the XML declaration and document type, one <plist> element with one value, dictionaries whose keys and values
// alternate and whose keys are distinct, the five named character entities, and simple numbers, dates and data.
// It keeps only what is asked of a property list later: whether the root is a dictionary, the root dictionary's
// string values by key, and every string value in document order. A document outside that form gives nothing,
// and is then left to the full parser, so no list reads differently through this reader.
class PropertyListXmlReader {
public:
    // Strings longer than TextLimits::MaximumValueBytes are left out of both lists.
    struct Contents {
        bool rootIsDictionary = false;
        std::vector<std::pair<std::string, std::string>> rootStrings; // the root dictionary's string values
        std::vector<std::string> strings;                             // every string value, in document order
    };

    static std::optional<Contents> read(std::string_view bytes);
};
