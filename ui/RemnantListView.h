// SPDX-FileCopyrightText: 2026 The Leftscan developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "model/RemnantItem.h"
#include "scanner/RemnantSortOrder.h"

#include <QModelIndex>
#include <QSet>
#include <QUuid>
#include <QWidget>

class EmptyResultsView;
class FilterChip;
class QComboBox;
class QLabel;
class QStackedWidget;
class ProminentButton;
class RemnantActions;
class RemnantFilterProxy;
class RemnantItemsView;
class RemnantListModel;
class RemnantScanner;
class ScanWarningsBanner;
class ScanningPlaceholder;
class SearchBar;
class Stepper;
class WelcomeView;

// The middle column: search and sort, the filter chips with the threshold stepper and the bulk button, and below
// them the list of leftovers or the placeholder the scan's state calls for.
class RemnantListView : public QWidget {
    Q_OBJECT

public:
    using SortOrder = RemnantSortOrder;
    enum class Content { scanning, welcome, emptyResults, list };

    RemnantListView(RemnantScanner &scanner, RemnantActions &actions, QWidget *parent = nullptr);

    Content content() const;
    SortOrder sortOrder() const;
    void setSortOrder(SortOrder order);
    // The records checked for a bulk action, kept by the list model.
    const QSet<QUuid> &selectedItems() const;
    // The leftovers in the order shown.
    QList<RemnantItemPtr> sortedRemnants() const;

    // Gives the keyboard to the list, on its current row or else its first.
    void focusList();
    void selectAllShown();
    void clearSelectedItems();
    void toggleSelected(const RemnantItemPtr &item);

    SearchBar *searchBar() const { return m_search; }
    QComboBox *sortMenu() const { return m_sort; }
    FilterChip *orphansChip() const { return m_orphans; }
    FilterChip *staleChip() const { return m_stale; }
    FilterChip *hideInstalledChip() const { return m_hideInstalled; }
    Stepper *stepper() const { return m_stepper; }
    QLabel *thresholdLabel() const { return m_thresholdLabel; }
    ProminentButton *bulkButton() const { return m_bulk; }
    RemnantItemsView *itemsView() const { return m_items; }
    RemnantFilterProxy *proxy() const { return m_proxy; }
    ScanWarningsBanner *warningsBanner() const { return m_warnings; }
    WelcomeView *welcomeView() const { return m_welcome; }

signals:
    void currentItemChanged(const RemnantItemPtr &item);
    void startScanRequested();
    void stopScanRequested();

private:
    QWidget *makeHeader();
    QWidget *makeFilterRow();
    void updateContent();
    void updateThreshold();
    void updateBulkButton();
    void followFilter();
    void setItemsSelected(const QList<RemnantItemPtr> &items, bool selected);
    RemnantItemPtr itemAt(const QModelIndex &proxyIndex) const;
    void act(const QModelIndex &proxyIndex, int button);

    RemnantScanner &m_scanner;
    RemnantActions &m_actions;
    RemnantListModel *m_model;
    RemnantFilterProxy *m_proxy;
    QModelIndex m_anchor;
    // The item the detail pane was last given.
    std::weak_ptr<RemnantItem> m_detailItem;
    bool m_removingRows = false;

    SearchBar *m_search = nullptr;
    QComboBox *m_sort = nullptr;
    FilterChip *m_orphans = nullptr;
    FilterChip *m_stale = nullptr;
    FilterChip *m_hideInstalled = nullptr;
    QWidget *m_thresholdGroup = nullptr;
    Stepper *m_stepper = nullptr;
    QLabel *m_thresholdLabel = nullptr;
    ProminentButton *m_bulk = nullptr;
    ScanWarningsBanner *m_warnings = nullptr;
    QStackedWidget *m_stack = nullptr;
    ScanningPlaceholder *m_scanning = nullptr;
    WelcomeView *m_welcome = nullptr;
    EmptyResultsView *m_empty = nullptr;
    RemnantItemsView *m_items = nullptr;
};
