// SPDX-FileCopyrightText: 2026 The Leftscan developers
// SPDX-License-Identifier: GPL-3.0-or-later

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
    connect(&scanner, &RemnantScanner::remnantSizesChanged, this, &RemnantFilterProxy::scheduleMeasurementResort);
    rebuildKeys();
    sort(0);
}

void RemnantFilterProxy::setSourceModel(QAbstractItemModel *model)
{
    for (const QMetaObject::Connection &watch : std::as_const(m_sourceWatches))
        disconnect(watch);
    m_sourceWatches.clear();
    m_source = qobject_cast<RemnantListModel *>(model);
    // The keys follow the model's rows. Before the proxy itself hears of a reset, so that it never sorts with keys
    // of the old rows; after it has sorted rows put in, which it compares by their records until they have keys.
    if (model)
        m_sourceWatches.append(connect(model, &QAbstractItemModel::modelAboutToBeReset, this, [this] {
            m_keys.clear();
            m_search.clear();
            m_searchMatches.clear();
        }));
    QSortFilterProxyModel::setSourceModel(model);
    if (!model)
        return;
    m_sourceWatches.append(connect(model, &QAbstractItemModel::modelReset, this, [this] {
        rebuildKeys();
        updateSearchMatches();
    }));
    m_sourceWatches.append(
        connect(model, &QAbstractItemModel::rowsInserted, this, [this](const QModelIndex &, int first) {
            // Rows put in before the end change the rows of all that follow.
            m_keys.append(sourceRows(), first);
            if (m_keys.size() != rowCountOfSource())
                rebuildKeys();
            // The texts of rows added at the end join an index in use; any other change waits for the next search.
            if (first == m_search.size() && m_search.size() > 0) {
                m_search.append(sourceRows(), first);
            } else {
                m_search.clear();
                m_searchMatches.clear();
            }
        }));
    m_sourceWatches.append(
        connect(model, &QAbstractItemModel::rowsRemoved, this, [this](const QModelIndex &, int first, int last) {
            for (int row = last; row >= first; --row)
                m_keys.remove(row);
            m_search.clear();
            m_searchMatches.clear();
        }));
    rebuildKeys();
}

const QList<RemnantItemPtr> &RemnantFilterProxy::sourceRows() const
{
    static const QList<RemnantItemPtr> none;
    return m_source ? m_source->rows() : none;
}

qsizetype RemnantFilterProxy::rowCountOfSource() const
{
    return sourceRows().size();
}

void RemnantFilterProxy::rebuildKeys()
{
    m_keys.rebuild(sourceRows(), m_sortOrder);
}

void RemnantFilterProxy::scheduleMeasurementResort()
{
    // A measurement changes the size, where the census guards an orphan the risk, and where changes inside tell of
    // use the last use.
    const auto measurementSorts = [this] {
        return m_sortOrder != RemnantSortOrder::nameAscending;
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
    if (!m_keys.isComplete(rowCountOfSource()))
        rebuildKeys();
    updateSearchMatches();
    // One new layout rather than a removal or insertion per range of rows: a keystroke can hide thousands of
    // scattered rows, and the view handles one layout change far faster than thousands of range changes.
    invalidate();
    emit refiltered();
}

RemnantSummary RemnantFilterProxy::shownSummary() const
{
    const QList<RemnantItemPtr> &rows = sourceRows();
    return RemnantSummary::of(
        rowCount(), [&](qsizetype row) -> const RemnantItem & { return *rows[mapToSource(index(int(row), 0)).row()]; });
}

void RemnantFilterProxy::updateSearchMatches()
{
    // The records' texts are gathered at the first search, and kept up with from then on.
    if (m_filter->queryUtf8().empty()) {
        m_searchMatches.clear();
        return;
    }
    if (m_search.size() != rowCountOfSource())
        m_search.rebuild(sourceRows());
    m_searchMatches = m_search.matches(m_filter->queryUtf8());
}

bool RemnantFilterProxy::filterAcceptsRow(int sourceRow, const QModelIndex &sourceParent) const
{
    if (sourceParent.isValid())
        return false;
    const QList<RemnantItemPtr> &rows = sourceRows();
    if (sourceRow < 0 || sourceRow >= rows.size() || !rows[sourceRow])
        return false;
    const RemnantItem &item = *rows[sourceRow];
    if (std::size_t(sourceRow) < m_searchMatches.size())
        return m_searchMatches[std::size_t(sourceRow)] && m_filter->acceptsBesidesSearch(item);
    return m_filter->accepts(item);
}

bool RemnantFilterProxy::lessThan(const QModelIndex &left, const QModelIndex &right) const
{
    // Equal rows keep the model's order, also where rows are put in among them later.
    const bool earlier = left.row() < right.row();
    if (m_keys.covers(left.row()) && m_keys.covers(right.row())) {
        const qint64 a = m_keys.key(left.row());
        const qint64 b = m_keys.key(right.row());
        return a < b || (a == b && earlier);
    }
    // Both come from the list model, whose indexes carry their records.
    const auto *a = static_cast<const RemnantItem *>(left.internalPointer());
    const auto *b = static_cast<const RemnantItem *>(right.internalPointer());
    if (!a || !b)
        return false;
    return sortsBefore(m_sortOrder, *a, *b) || (!sortsBefore(m_sortOrder, *b, *a) && earlier);
}
