// SPDX-FileCopyrightText: 2026 The Leftscan developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "model/EnumerationCases.h"

#include <QString>

// How much attention an entry deserves before it is removed. The raw value is the display name.
enum class RemnantRisk { safe, caution, review };

template <> std::span<const RemnantRisk> allCases<RemnantRisk>();

QString rawValue(RemnantRisk risk);
// The risk's name in the command line's JSON and CSV, which stays as it is whatever language the window speaks.
QString keyOf(RemnantRisk risk);
// Position in the ranking review, caution, safe that every ranked view uses: 0 is the most attention-worthy.
int rank(RemnantRisk risk);
