#include "ui/RemnantFilterProxy.h"

#include "scanner/RemnantScanner.h"
#include "ui/RemnantListModel.h"

RemnantFilterProxy::RemnantFilterProxy(RemnantScanner &scanner, QObject *parent)
    : QSortFilterProxyModel(parent)
    , m_scanner(scanner)
    , m_filter(std::in_place, scanner)
{
    setDynamicSortFilter(true);
    // The record pointer is the sort and filter key; changes of appearance alone neither refilter nor resort.
    setSortRole(RemnantListModel::ItemRole);
    setFilterRole(RemnantListModel::ItemRole);
    connect(&scanner, &RemnantScanner::selectedCategoryChanged, this, &RemnantFilterProxy::refilter);
    connect(&scanner, &RemnantScanner::searchTextChanged, this, &RemnantFilterProxy::refilter);
    connect(&scanner, &RemnantScanner::filterOrphansOnlyChanged, this, &RemnantFilterProxy::refilter);
    connect(&scanner, &RemnantScanner::filterStaleOnlyChanged, this, &RemnantFilterProxy::refilter);
    connect(&scanner, &RemnantScanner::hideInstalledAppsChanged, this, &RemnantFilterProxy::refilter);
    connect(&scanner, &RemnantScanner::staleThresholdDaysChanged, this, [this] {
        if (m_scanner.filterStaleOnly())
            refilter();
    });
    sort(0);
}

void RemnantFilterProxy::setSortOrder(RemnantSortOrder order)
{
    if (m_sortOrder == order)
        return;
    m_sortOrder = order;
    invalidate();
}

void RemnantFilterProxy::refilter()
{
    m_filter.emplace(m_scanner);
    invalidateFilter();
}

bool RemnantFilterProxy::filterAcceptsRow(int sourceRow, const QModelIndex &sourceParent) const
{
    const RemnantItem *item = RemnantListModel::item(sourceModel()->index(sourceRow, 0, sourceParent));
    return item && m_filter->accepts(*item);
}

bool RemnantFilterProxy::lessThan(const QModelIndex &left, const QModelIndex &right) const
{
    const RemnantItem *a = RemnantListModel::item(left);
    const RemnantItem *b = RemnantListModel::item(right);
    return a && b && sortsBefore(m_sortOrder, *a, *b);
}
