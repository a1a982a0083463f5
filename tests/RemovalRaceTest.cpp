// SPDX-FileCopyrightText: 2026 The Leftscan developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Moves to the Trash, privileged moves and putting back, raced by the user who owns the home: a scan folder swapped
// for a symbolic link of their own, again and again, while the program acts.
#include "AdministratorPlatform.h"
#include "CoreApplication.h"
#include "RacingThread.h"
#include "ScriptedAlerts.h"
#include "TempTree.h"
#include "TestProfiles.h"
#include "TrashRaces.h"
#include "mac/MacProfile.h"
#include "scanner/RemnantScanner.h"

#include <gtest/gtest.h>

TEST(RemovalRace, AScanFolderSwappedForALinkOfTheUsersOwnNeverLetsAMoveReachWhereTheLinkLeads)
{
    coreApplication();
    TrashRaces races;
    const auto platform = std::make_shared<AdministratorPlatform>(races.tree().root(), races.home());
    grantFullDiskAccess(*platform, races.tree().root());
    platform->helperInProcess = true;
    ScriptedAlerts alerts;
    RemnantScanner scanner(platform, std::make_shared<MacProfile>(platform), alerts);
    const RemnantItemPtr item = races.listedItem(*platform);
    ASSERT_TRUE(item);

    const RacingThread swapping([&] { races.swapCaches(); });
    EXPECT_TRUE(races.trashOver(scanner, item));
    EXPECT_TRUE(races.trashHoldsOnlyWhatWasInside());
}

TEST(RemovalRace, PuttingBackWhileAScanFolderIsSwappedForALinkOfTheUsersOwnNeverReachesAnotherFolder)
{
    coreApplication();
    TrashRaces races;
    const auto platform = std::make_shared<AdministratorPlatform>(races.tree().root(), races.home());
    grantFullDiskAccess(*platform, races.tree().root());
    platform->helperInProcess = true;
    ScriptedAlerts alerts;
    RemnantScanner scanner(platform, std::make_shared<MacProfile>(platform), alerts);
    ASSERT_TRUE(races.trashOnce(scanner, *platform));

    const RacingThread swapping([&] { races.swapCaches(); });
    EXPECT_TRUE(races.restoreOver(*platform));
    EXPECT_EQ(TempTree::readFile(races.trashedItem()), "inside");
}
