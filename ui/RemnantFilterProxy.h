// SPDX-FileCopyrightText: 2026 The Leftscan developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "scanner/RemnantFilter.h"
#include "scanner/RemnantSearchIndex.h"
#include "scanner/RemnantSortKeys.h"
#include "scanner/RemnantSortOrder.h"
#include "scanner/RemnantSummary.h"

#include <QSortFilterProxyModel>
#include <optional>
#include <vector>

class RemnantListModel;
class RemnantScanner;

// The list as the user sees it: the scanner's own filter predicate decides which rows pass, the chosen order
// sorts them, stably, so equal rows keep the scanner's order. Follows every filter setting of the scanner.
class RemnantFilterProxy : public QSortFilterProxyModel {
    Q_OBJECT

public:
    explicit RemnantFilterProxy(RemnantScanner &scanner, QObject *parent = nullptr);

    void setSourceModel(QAbstractItemModel *model) override;

    RemnantSortOrder sortOrder() const { return m_sortOrder; }
    // The count and size of the rows shown, without asking the filter again.
    RemnantSummary shownSummary() const;
    void setSortOrder(RemnantSortOrder order);

    // Applies the scanner's current filter settings now.
    void refilter();

signals:
    // The filter settings changed and the rows shown follow them.
    void refiltered();

protected:
    bool filterAcceptsRow(int sourceRow, const QModelIndex &sourceParent) const override;
    bool lessThan(const QModelIndex &left, const QModelIndex &right) const override;

private:
    void rebuildKeys();
    void updateSearchMatches();
    const QList<RemnantItemPtr> &sourceRows() const;
    qsizetype rowCountOfSource() const;
    void scheduleMeasurementResort();

    // Sizes and censuses stream in after a scan; the size and risk orders follow them a few times a second rather
    // than with every batch.
    static constexpr int MeasurementResortMilliseconds = 250;

    RemnantScanner &m_scanner;
    RemnantSortKeys m_keys;
    RemnantListModel *m_source = nullptr;
    QList<QMetaObject::Connection> m_sourceWatches;
    RemnantSortOrder m_sortOrder = RemnantSortOrder::riskDescending;
    std::optional<RemnantFilter> m_filter;
    RemnantSearchIndex m_search;
    // Per source row, whether it holds the search text, as the index found at the last refilter; rows beyond it,
    // and all rows after a change of rows other than an addition at the end, are asked one by one.
    std::vector<bool> m_searchMatches;
    bool m_measurementResortPending = false;
};
