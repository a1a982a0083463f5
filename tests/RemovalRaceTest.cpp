// SPDX-FileCopyrightText: 2026 The Leftscan developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Moves to the Trash, privileged moves and putting back, raced by the user who owns the home: a scan folder swapped
// for a symbolic link of their own, again and again, while the program acts.
#include "CoreApplication.h"
#include "RacedScanner.h"
#include "RacingThread.h"
#include "TempTree.h"
#include "TrashRaces.h"

#include <gtest/gtest.h>

TEST(RemovalRace, AScanFolderSwappedForALinkOfTheUsersOwnNeverLetsAMoveReachWhereTheLinkLeads)
{
    coreApplication();
    TrashRaces races;
    const RacedScanner raced(races);
    const RemnantItemPtr item = races.listedItem(*raced.platform);
    ASSERT_TRUE(item);

    const RacingThread swapping([&] { races.swapCaches(); });
    EXPECT_TRUE(races.trashOver(*raced.scanner, item));
    EXPECT_TRUE(races.trashHoldsOnlyWhatWasInside());
}

TEST(RemovalRace, PuttingBackWhileAScanFolderIsSwappedForALinkOfTheUsersOwnNeverReachesAnotherFolder)
{
    coreApplication();
    TrashRaces races;
    const RacedScanner raced(races);
    ASSERT_TRUE(races.trashOnce(*raced.scanner, *raced.platform));

    const RacingThread swapping([&] { races.swapCaches(); });
    EXPECT_TRUE(races.restoreOver(*raced.platform));
    EXPECT_EQ(TempTree::readFile(races.trashedItem()), "inside");
}
