#include "scanner/RemnantSummary.h"

namespace {

void add(RemnantSummary &summary, const RemnantItem &item)
{
    ++summary.count;
    if (item.status() == RemnantStatus::orphan)
        ++summary.orphanCount;
    summary.totalSize += item.displayedSize();
    ++summary.categoryCounts[std::size_t(item.category())];
    ++summary.riskCounts[std::size_t(item.risk())];
}

} // namespace

RemnantSummary RemnantSummary::of(const QList<RemnantItemPtr> &items)
{
    RemnantSummary summary;
    for (const RemnantItemPtr &item : items)
        add(summary, *item);
    return summary;
}

RemnantSummary RemnantSummary::of(const QList<RemnantItemPtr> &items, const RemnantFilter &filter)
{
    RemnantSummary summary;
    for (const RemnantItemPtr &item : items) {
        if (filter.accepts(*item))
            add(summary, *item);
    }
    return summary;
}
