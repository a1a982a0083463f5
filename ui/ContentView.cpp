// SPDX-FileCopyrightText: 2026 The Leftscan developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/ContentView.h"

#include "scanner/RemnantScanner.h"
#include "ui/ActionBanner.h"
#include "ui/DetailView.h"
#include "ui/EmptyDetailView.h"
#include "ui/RemnantActions.h"
#include "ui/RemnantListView.h"
#include "ui/SidebarView.h"

#include <QStackedWidget>
#include <QVBoxLayout>

ContentView::ContentView(RemnantScanner &scanner, RemnantActions &actions, QWidget *parent)
    : QSplitter(Qt::Horizontal, parent)
    , m_sidebar(new SidebarView(scanner))
    , m_list(new RemnantListView(scanner, actions))
    , m_detailStack(new QStackedWidget)
    , m_emptyDetail(new EmptyDetailView)
    , m_detail(new DetailView(scanner, actions))
{
    setChildrenCollapsible(false);
    setHandleWidth(1);

    auto *listColumn = new QWidget;
    auto *listLayout = new QVBoxLayout(listColumn);
    listLayout->setContentsMargins(8, 4, 0, 0);
    listLayout->addWidget(m_list);
    m_banner = new ActionBanner(scanner);
    listLayout->addWidget(m_banner);
    connect(&actions, &RemnantActions::reported, m_banner, &ActionBanner::showReport);
    connect(m_banner, &ActionBanner::undoRequested, &actions, &RemnantActions::undoTrash);
    for (QWidget *column : {listColumn, static_cast<QWidget *>(m_detailStack)}) {
        column->setMinimumWidth(ColumnMinimumWidth);
        column->setMaximumWidth(ColumnMaximumWidth);
    }
    m_detailStack->addWidget(m_emptyDetail);
    m_detailStack->addWidget(m_detail);

    addWidget(m_sidebar);
    addWidget(listColumn);
    addWidget(m_detailStack);
    setStretchFactor(0, 0);
    setStretchFactor(1, 1);
    setStretchFactor(2, 1);
    setSizes({SidebarView::MinSidebarWidth, ColumnIdealWidth, ColumnIdealWidth});

    connect(m_list, &RemnantListView::currentItemChanged, this, &ContentView::setSelectedRemnant);
    connect(m_list, &RemnantListView::startScanRequested, this, &ContentView::startScanRequested);
}

void ContentView::setSelectedRemnant(const RemnantItemPtr &item)
{
    m_detail->setRemnant(item);
    m_detailStack->setCurrentWidget(item ? static_cast<QWidget *>(m_detail) : m_emptyDetail);
}

bool ContentView::showsDetail() const
{
    return m_detailStack->currentWidget() == m_detail;
}
