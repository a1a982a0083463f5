// SPDX-FileCopyrightText: 2026 The Leftscan developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "model/ScanProfile.h"

#include <array>

namespace {

constexpr std::array<const char *, 2> Names{"mac", "linux"};

} // namespace

QString rawValue(ScanProfile profile)
{
    return QLatin1String(Names[std::size_t(profile)]);
}

std::optional<ScanProfile> scanProfileNamed(const QString &name)
{
    for (std::size_t index = 0; index < Names.size(); ++index) {
        if (name == QLatin1String(Names[index]))
            return ScanProfile(index);
    }
    return std::nullopt;
}
