// SPDX-FileCopyrightText: 2026 The Leftscan developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "model/RemnantRisk.h"

#include "model/EnumerationRow.h"

namespace {

using Row = EnumerationRow<RemnantRisk>;
constexpr std::array<Row, 3> Rows{{
    {RemnantRisk::safe, "Safe"},
    {RemnantRisk::caution, "Caution"},
    {RemnantRisk::review, "Review"},
}};
static_assert(followsDeclarationOrder(Rows));
constexpr auto Cases = casesOf(Rows);

} // namespace

template <> std::span<const RemnantRisk> allCases<RemnantRisk>()
{
    return Cases;
}

QString rawValue(RemnantRisk risk)
{
    return QLatin1String(Rows[std::size_t(risk)].rawValue);
}

QString keyOf(RemnantRisk risk)
{
    return QLatin1String(Rows[std::size_t(risk)].rawValue);
}

int rank(RemnantRisk risk)
{
    // Review first: the reverse of the declaration order.
    return int(Rows.size()) - 1 - int(risk);
}
