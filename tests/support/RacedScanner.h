// SPDX-FileCopyrightText: 2026 The Leftscan developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "AdministratorPlatform.h"
#include "ScriptedAlerts.h"
#include "TestProfiles.h"
#include "TrashRaces.h"
#include "mac/MacProfile.h"
#include "scanner/RemnantScanner.h"

#include <memory>

// What the races run against: a Mac's scanner over the race tree, whose administrator's helper runs in the test
// process, so that each privileged try costs no process of its own.
struct RacedScanner {
    explicit RacedScanner(const TrashRaces &races)
        : platform(std::make_shared<AdministratorPlatform>(races.tree().root(), races.home()))
    {
        grantFullDiskAccess(*platform, races.tree().root());
        platform->helperInProcess = true;
        scanner = std::make_unique<RemnantScanner>(platform, std::make_shared<MacProfile>(platform), alerts);
    }

    std::shared_ptr<AdministratorPlatform> platform;
    ScriptedAlerts alerts;
    std::unique_ptr<RemnantScanner> scanner;
};
