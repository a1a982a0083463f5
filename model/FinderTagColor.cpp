// SPDX-FileCopyrightText: 2026 The Leftscan developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "model/FinderTagColor.h"

#include "model/EnumerationRow.h"

namespace {

using Row = EnumerationRow<FinderTagColor>;
constexpr std::array<Row, 7> Rows{{
    {FinderTagColor::red, "Red"},
    {FinderTagColor::orange, "Orange"},
    {FinderTagColor::yellow, "Yellow"},
    {FinderTagColor::green, "Green"},
    {FinderTagColor::blue, "Blue"},
    {FinderTagColor::purple, "Purple"},
    {FinderTagColor::gray, "Gray"},
}};
static_assert(followsDeclarationOrder(Rows));
constexpr auto Cases = casesOf(Rows);

} // namespace

template <> std::span<const FinderTagColor> allCases<FinderTagColor>()
{
    return Cases;
}

QString rawValue(FinderTagColor tag)
{
    return QLatin1String(Rows[std::size_t(tag)].rawValue);
}
