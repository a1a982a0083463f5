// SPDX-FileCopyrightText: 2026 The Leftscan developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "model/RemovalAssessment.h"

#include "model/RemnantItem.h"

std::vector<RemovalConcern> RemovalAssessment::concerns(const RemnantItem &item)
{
    std::vector<RemovalConcern> concerns;
    if (item.holdsUserFiles())
        concerns.push_back(RemovalConcern::holdsUserFiles);
    if (item.wasUsedRecently())
        concerns.push_back(RemovalConcern::usedRecently);
    if (item.census() && item.sizePartial())
        concerns.push_back(RemovalConcern::partlyUnreadable);
    if (!item.census())
        concerns.push_back(RemovalConcern::notLookedInside);
    if (item.hasLookalikes())
        concerns.push_back(RemovalConcern::mayBelongToInstalledApp);
    return concerns;
}
