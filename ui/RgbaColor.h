// SPDX-FileCopyrightText: 2026 The Leftscan developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// A colour in sRGB with 8-bit channels and an opacity from 0 to 1.
struct RgbaColor {
    int red = 0;
    int green = 0;
    int blue = 0;
    double alpha = 1.0;

    friend constexpr bool operator==(const RgbaColor &, const RgbaColor &) = default;
};
