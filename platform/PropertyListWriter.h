// SPDX-FileCopyrightText: 2026 The Leftscan developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstdint>
#include <string>
#include <string_view>

// A property list built in memory and written in the XML or the binary form, byte for byte as libplist writes them.
// A dictionary keeps its keys in the order they were set.
class PropertyListWriter {
public:
    static PropertyListWriter dictionary();
    static PropertyListWriter array();
    static PropertyListWriter string(std::string_view text);
    static PropertyListWriter integer(std::int64_t value);
    static PropertyListWriter real(double value);
    static PropertyListWriter boolean(bool value);
    // Whole seconds, between 1933 and 2069: libplist keeps a date in 32 bits.
    static PropertyListWriter date(std::int64_t secondsSinceEpoch);
    static PropertyListWriter data(std::string_view bytes);

    PropertyListWriter(PropertyListWriter &&other) noexcept;
    PropertyListWriter &operator=(PropertyListWriter &&other) noexcept;
    PropertyListWriter(const PropertyListWriter &) = delete;
    PropertyListWriter &operator=(const PropertyListWriter &) = delete;
    ~PropertyListWriter();

    // On a dictionary.
    PropertyListWriter &set(std::string_view key, PropertyListWriter value) &;
    PropertyListWriter &&set(std::string_view key, PropertyListWriter value) &&;
    PropertyListWriter &setString(std::string_view key, std::string_view text) &;
    PropertyListWriter &&setString(std::string_view key, std::string_view text) &&;
    // On an array.
    PropertyListWriter &append(PropertyListWriter value) &;
    PropertyListWriter &&append(PropertyListWriter value) &&;
    PropertyListWriter &appendString(std::string_view text) &;
    PropertyListWriter &&appendString(std::string_view text) &&;

    std::string xml() const;
    std::string binary() const;

private:
    explicit PropertyListWriter(void *node);
    void *release();

    void *m_node = nullptr;
};
