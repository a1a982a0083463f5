// SPDX-FileCopyrightText: 2026 The Leftscan developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "model/FinderTagColor.h"
#include "model/RemnantCategory.h"
#include "model/RemnantRisk.h"
#include "ui/SystemColor.h"

#include <QString>

// How the window draws the engine's kinds: the symbol image and the system colour of each.
class Appearance {
public:
    static QString symbol(RemnantCategory value);
    static SystemColor color(RemnantCategory value);
    static QString symbol(RemnantRisk value);
    static SystemColor color(RemnantRisk value);
    static SystemColor color(FinderTagColor value);
};
