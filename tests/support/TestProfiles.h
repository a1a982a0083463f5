// SPDX-FileCopyrightText: 2026 The Leftscan developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "mac/MacProfile.h"

#include <memory>

// The Mac profile over a platform that the caller keeps alive for as long as the profile.
inline MacProfile macProfileOver(const Platform &platform)
{
    return MacProfile(std::shared_ptr<const Platform>(&platform, [](const Platform *) {}));
}
