#include "scanner/RemnantSummary.h"

RemnantSummary RemnantSummary::of(const QList<RemnantItemPtr> &items)
{
    RemnantSummary summary;
    summary.count = int(items.size());
    for (const RemnantItemPtr &item : items) {
        if (item->status() == RemnantStatus::orphan)
            ++summary.orphanCount;
        summary.totalSize += item->fileSize();
        ++summary.categoryCounts[std::size_t(item->category())];
        ++summary.riskCounts[std::size_t(item->risk())];
    }
    return summary;
}
