// SPDX-FileCopyrightText: 2026 The Leftscan developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "platform/PropertyListWriter.h"

#include <cstdint>
#include <string>
#include <string_view>

// What the demo's files hold. Everything derives from an item's name, so the tree is the same on every run.
class DemoFileContent {
public:
    static std::uint64_t hashOf(std::string_view text);
    // Noise of `size` bytes after `header`.
    static std::string binary(std::size_t size, std::uint64_t seed, std::string_view header = {});
    // Log lines.
    static std::string text(std::size_t size, std::uint64_t seed);
    static std::string json(std::size_t size, std::uint64_t seed);
    // An application's settings, with the last check at `lastUse` and recent documents filling about `size` bytes.
    static PropertyListWriter settings(std::string_view identifier, std::size_t size, std::int64_t lastUse);
    // A container UUID in its usual text form.
    static std::string uuid(std::uint64_t seed);
    // Content for a file inside a leftover folder, chosen by its name.
    static std::string forFile(std::string_view fileName, std::size_t size, std::uint64_t seed, std::int64_t lastUse);
};
