#include "ui/RemnantFilterProxy.h"

#include "scanner/RemnantScanner.h"
#include "ui/RemnantListModel.h"

#include <QTimer>

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
    // The keys follow the scanner's list row for row. Appended rows are sorted by the proxy before they get a
    // key, and a reset sorts with the records themselves until the keys are made again.
    connect(&scanner, &RemnantScanner::remnantsAppended, this,
            [this](qsizetype first) { m_keys.append(m_scanner.remnants(), first); });
    connect(&scanner, &RemnantScanner::remnantRemoved, this, [this](qsizetype row) { m_keys.remove(row); });
    connect(&scanner, &RemnantScanner::remnantsReset, this, &RemnantFilterProxy::rebuildKeys);
    connect(&scanner, &RemnantScanner::remnantSizesChanged, this, &RemnantFilterProxy::scheduleMeasurementResort);
    rebuildKeys();
    sort(0);
}

void RemnantFilterProxy::setSourceModel(QAbstractItemModel *model)
{
    disconnect(m_resetWatch);
    // Before the proxy itself hears of a reset, so that it never sorts with keys of the old rows.
    if (model)
        m_resetWatch = connect(model, &QAbstractItemModel::modelAboutToBeReset, this, [this] { m_keys.clear(); });
    QSortFilterProxyModel::setSourceModel(model);
}

void RemnantFilterProxy::rebuildKeys()
{
    m_keys.rebuild(m_scanner.remnants(), m_sortOrder);
}

void RemnantFilterProxy::scheduleMeasurementResort()
{
    // A measurement changes the size and, where the census guards an orphan, the risk.
    const auto measurementSorts = [this] {
        return m_sortOrder == RemnantSortOrder::sizeDescending || m_sortOrder == RemnantSortOrder::riskDescending;
    };
    if (!measurementSorts() || m_measurementResortPending)
        return;
    m_measurementResortPending = true;
    QTimer::singleShot(MeasurementResortMilliseconds, this, [this, measurementSorts] {
        m_measurementResortPending = false;
        if (!measurementSorts())
            return;
        // One new layout for all the rows that moved; the selection and the scroll position stay.
        rebuildKeys();
        invalidate();
    });
}

void RemnantFilterProxy::setSortOrder(RemnantSortOrder order)
{
    if (m_sortOrder == order)
        return;
    m_sortOrder = order;
    rebuildKeys();
    invalidate();
}

void RemnantFilterProxy::refilter()
{
    m_filter.emplace(m_scanner);
    if (!m_keys.isComplete(m_scanner.remnants().size()))
        rebuildKeys();
    // One new layout rather than a removal or insertion per range of rows: a keystroke can hide thousands of
    // scattered rows, and the view handles one layout change far faster than thousands of range changes.
    invalidate();
}

bool RemnantFilterProxy::filterAcceptsRow(int sourceRow, const QModelIndex &sourceParent) const
{
    const auto *item =
        static_cast<const RemnantItem *>(sourceModel()->index(sourceRow, 0, sourceParent).internalPointer());
    return item && m_filter->accepts(*item);
}

bool RemnantFilterProxy::lessThan(const QModelIndex &left, const QModelIndex &right) const
{
    if (m_keys.covers(left.row()) && m_keys.covers(right.row()))
        return m_keys.key(left.row()) < m_keys.key(right.row());
    // Both come from the list model, whose indexes carry their records.
    const auto *a = static_cast<const RemnantItem *>(left.internalPointer());
    const auto *b = static_cast<const RemnantItem *>(right.internalPointer());
    return a && b && sortsBefore(m_sortOrder, *a, *b);
}
