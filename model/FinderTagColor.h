// SPDX-FileCopyrightText: 2026 The Leftscan developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "model/EnumerationCases.h"

#include <QString>

// The colours a user may tag an entry with. The raw value is exactly the Finder tag name written to the file.
enum class FinderTagColor { red, orange, yellow, green, blue, purple, gray };

template <> std::span<const FinderTagColor> allCases<FinderTagColor>();

QString rawValue(FinderTagColor tag);
