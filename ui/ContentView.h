// SPDX-FileCopyrightText: 2026 The Leftscan developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "model/RemnantItem.h"

#include <QSplitter>

class ActionBanner;
class DetailView;
class EmptyDetailView;
class QStackedWidget;
class RemnantActions;
class RemnantListView;
class RemnantScanner;
class SidebarView;

// The three columns of the main window: the summary sidebar, the list of leftovers and the details of the one
// chosen in the list.
class ContentView : public QSplitter {
    Q_OBJECT

public:
    static constexpr int ColumnMinimumWidth = 600;
    static constexpr int ColumnIdealWidth = 700;
    static constexpr int ColumnMaximumWidth = 800;

    ContentView(RemnantScanner &scanner, RemnantActions &actions, QWidget *parent = nullptr);

    void setSelectedRemnant(const RemnantItemPtr &item);

    SidebarView *sidebar() const { return m_sidebar; }
    RemnantListView *listView() const { return m_list; }
    DetailView *detailView() const { return m_detail; }
    ActionBanner *actionBanner() const { return m_banner; }
    bool showsDetail() const;

signals:
    void startScanRequested();

private:
    SidebarView *m_sidebar;
    RemnantListView *m_list;
    QStackedWidget *m_detailStack;
    EmptyDetailView *m_emptyDetail;
    DetailView *m_detail;
    ActionBanner *m_banner = nullptr;
};
