// SPDX-FileCopyrightText: 2026 The Leftscan developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QLatin1String>
#include <array>
#include <cstddef>

// One case of an enumeration with what every view and file shows for it. An enumeration keeps its rows in one
// table, in declaration order, so that a case's row is found by its value.
template <typename Enumeration> struct EnumerationRow {
    Enumeration value;
    const char *rawValue;
};

template <typename Enumeration, std::size_t Count>
constexpr bool followsDeclarationOrder(const std::array<EnumerationRow<Enumeration>, Count> &rows)
{
    for (std::size_t index = 0; index < Count; ++index) {
        if (rows[index].value != Enumeration(index))
            return false;
    }
    return true;
}

template <typename Enumeration, std::size_t Count>
constexpr std::array<Enumeration, Count> casesOf(const std::array<EnumerationRow<Enumeration>, Count> &rows)
{
    std::array<Enumeration, Count> cases{};
    for (std::size_t index = 0; index < Count; ++index)
        cases[index] = rows[index].value;
    return cases;
}
