// SPDX-FileCopyrightText: 2026 The Leftscan developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "model/RemnantCategory.h"
#include "model/RemnantItem.h"
#include "model/RemnantRisk.h"
#include "scanner/RemnantFilter.h"

#include <QList>
#include <array>
#include <functional>

// Figures over a whole scan result, whatever the list's filters: what the sidebar shows.
struct RemnantSummary {
    int count = 0;
    int orphanCount = 0;
    qint64 totalSize = 0;
    // Items whose size on disk is not known yet: the total counts their own size only.
    int unmeasuredCount = 0;
    std::array<int, 21> categoryCounts{}; // by RemnantCategory declaration order
    std::array<int, 3> riskCounts{};      // by RemnantRisk declaration order

    int countOf(RemnantCategory category) const { return categoryCounts[std::size_t(category)]; }
    int countOf(RemnantRisk risk) const { return riskCounts[std::size_t(risk)]; }

    static RemnantSummary of(const QList<RemnantItemPtr> &items);
    // The figures over the items that pass `filter`, without copying the list.
    static RemnantSummary of(const QList<RemnantItemPtr> &items, const RemnantFilter &filter);
    // The figures over `count` items that `itemAt` gives, such as the rows a list shows.
    static RemnantSummary of(qsizetype count, const std::function<const RemnantItem &(qsizetype)> &itemAt);
};
