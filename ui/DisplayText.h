// SPDX-FileCopyrightText: 2026 The Leftscan developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "model/FinderTagColor.h"
#include "model/RemnantCategory.h"
#include "model/RemnantRisk.h"
#include "scanner/RemnantSortOrder.h"

#include <QString>
#include <optional>

class RemnantItem;

// The names of the engine's vocabulary as the window shows them: the raw values, translated.
struct RemnantSummary;

class DisplayText {
public:
    static QString of(RemnantCategory category);
    static QString of(RemnantRisk risk);
    static QString of(FinderTagColor tag);
    static QString of(RemnantSortOrder order);
    // A size as ByteCountFormatter writes it, in the display locale.
    static QString fileSize(qint64 bytes);
    // What a size reads while it is being measured.
    static QString measuring();
    // The total of some items; while sizes are being measured and some of theirs is not known, "Measuring…".
    static QString totalSize(const RemnantSummary &summary, bool measuring);

    // The date an item's days since last use count from, relative to now ("3 days ago"), or "Unknown" without one.
    static QString lastUsed(const RemnantItem &item);
    // The age for a row: "%1d ago" up to 365 days, "%1y %2d ago" beyond; absent without a date.
    static std::optional<QString> age(const RemnantItem &item);
    // Who the item is attributed to in a row: the bundle identifier, or "Unknown".
    static QString attribution(const RemnantItem &item);
    // The application the item was matched to, in the user's words where it has no name; absent without a match.
    static std::optional<QString> owner(const RemnantItem &item);

private:
    static QString translated(const QString &rawValue);
};
