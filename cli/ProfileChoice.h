// SPDX-FileCopyrightText: 2026 The Leftscan developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "model/ScanProfile.h"

#include <memory>

class Platform;
class Profile;

// The one place where the command line turns the profile it was given into the profile the engine asks.
class ProfileChoice {
public:
    static std::shared_ptr<const Profile> make(ScanProfile profile, std::shared_ptr<const Platform> platform);
};
