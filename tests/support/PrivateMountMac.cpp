// SPDX-FileCopyrightText: 2026 The Leftscan developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "PrivateMount.h"

// The Mac has no mount namespaces.
bool privateMountsAvailable()
{
    return false;
}

std::optional<std::string> withBindMount(const std::filesystem::path &, const std::filesystem::path &,
                                         const std::function<std::string()> &)
{
    return std::nullopt;
}
