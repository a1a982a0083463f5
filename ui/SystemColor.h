// SPDX-FileCopyrightText: 2026 The Leftscan developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "model/EnumerationCases.h"
#include "ui/RgbaColor.h"

// The named, appearance-dependent colours of the Mac that the model refers to. The window turns them into real
// colours with the values below.
enum class SystemColor { blue, purple, orange, red, teal, green, indigo, brown, gray, yellow, secondaryLabel };

template <> std::span<const SystemColor> allCases<SystemColor>();

RgbaColor lightRgba(SystemColor color);
RgbaColor darkRgba(SystemColor color);
