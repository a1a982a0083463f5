// SPDX-FileCopyrightText: 2026 The Leftscan developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "scanner/RemnantSummary.h"

#include <set>
#include <utility>

namespace {

// Files that entries share, by device and inode.
using SharedFiles = std::set<std::pair<quint64, quint64>>;

void add(RemnantSummary &summary, const RemnantItem &item, SharedFiles &shared)
{
    ++summary.count;
    if (item.status() == RemnantStatus::orphan)
        ++summary.orphanCount;
    summary.totalSize += item.displayedSize();
    if (!item.sizeOnDisk())
        ++summary.unmeasuredCount;
    // A file that several entries hold under names of their own counts once in the total.
    for (const SizeMeasurement::SharedFile &file : item.sharedFiles()) {
        if (!shared.insert({file.device, file.inode}).second)
            summary.totalSize -= file.bytesOnDisk;
    }
    ++summary.categoryCounts[std::size_t(item.category())];
    ++summary.riskCounts[std::size_t(item.risk())];
}

} // namespace

RemnantSummary RemnantSummary::of(const QList<RemnantItemPtr> &items)
{
    RemnantSummary summary;
    SharedFiles shared;
    for (const RemnantItemPtr &item : items)
        add(summary, *item, shared);
    return summary;
}

RemnantSummary RemnantSummary::of(qsizetype count, const std::function<const RemnantItem &(qsizetype)> &itemAt)
{
    RemnantSummary summary;
    SharedFiles shared;
    for (qsizetype index = 0; index < count; ++index)
        add(summary, itemAt(index), shared);
    return summary;
}

RemnantSummary RemnantSummary::of(const QList<RemnantItemPtr> &items, const RemnantFilter &filter)
{
    RemnantSummary summary;
    SharedFiles shared;
    for (const RemnantItemPtr &item : items) {
        if (filter.accepts(*item))
            add(summary, *item, shared);
    }
    return summary;
}
