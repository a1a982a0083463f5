// SPDX-FileCopyrightText: 2026 The Leftscan developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/SystemColor.h"

#include <array>

namespace {

struct AppearanceValues {
    RgbaColor light;
    RgbaColor dark;
};

// Apple's published values of the macOS system colours, default contrast.
AppearanceValues valuesOf(SystemColor color)
{
    switch (color) {
    case SystemColor::blue:
        return {{0, 122, 255}, {10, 132, 255}};
    case SystemColor::purple:
        return {{175, 82, 222}, {191, 90, 242}};
    case SystemColor::orange:
        return {{255, 149, 0}, {255, 159, 10}};
    case SystemColor::red:
        return {{255, 59, 48}, {255, 69, 58}};
    case SystemColor::teal:
        return {{89, 173, 196}, {106, 196, 220}};
    case SystemColor::green:
        return {{40, 205, 65}, {50, 215, 75}};
    case SystemColor::indigo:
        return {{88, 86, 214}, {94, 92, 230}};
    case SystemColor::brown:
        return {{162, 132, 94}, {172, 142, 104}};
    case SystemColor::gray:
        return {{142, 142, 147}, {152, 152, 157}};
    case SystemColor::yellow:
        return {{255, 204, 0}, {255, 214, 10}};
    case SystemColor::secondaryLabel:
        return {{0, 0, 0, 0.5}, {255, 255, 255, 0.55}};
    }
    return {};
}

} // namespace

template <> std::span<const SystemColor> allCases<SystemColor>()
{
    static constexpr std::array cases{SystemColor::blue,   SystemColor::purple,        SystemColor::orange,
                                      SystemColor::red,    SystemColor::teal,          SystemColor::green,
                                      SystemColor::indigo, SystemColor::brown,         SystemColor::gray,
                                      SystemColor::yellow, SystemColor::secondaryLabel};
    return cases;
}

RgbaColor lightRgba(SystemColor color)
{
    return valuesOf(color).light;
}

RgbaColor darkRgba(SystemColor color)
{
    return valuesOf(color).dark;
}
