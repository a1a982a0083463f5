// SPDX-FileCopyrightText: 2026 The Leftscan developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "model/FinderTagColor.h"
#include "model/RemnantCategory.h"
#include "model/RemnantRisk.h"
#include "scanner/RemnantSortOrder.h"

#include <QString>

// The names of the engine's vocabulary as the window shows them: the raw values, translated.
class DisplayText {
public:
    static QString of(RemnantCategory category);
    static QString of(RemnantRisk risk);
    static QString of(FinderTagColor tag);
    static QString of(RemnantSortOrder order);
    // A size as ByteCountFormatter writes it, in the display locale.
    static QString fileSize(qint64 bytes);

private:
    static QString translated(const QString &rawValue);
};
