// SPDX-FileCopyrightText: 2026 The Leftscan developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/RemnantItemsView.h"

#include "ui/Theme.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

RemnantItemsView::RemnantItemsView(QWidget *parent)
    : QListView(parent)
    , m_delegate(new RemnantRowDelegate(*this))
{
    setItemDelegate(m_delegate);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setUniformItemSizes(true);
    setFrameShape(QFrame::NoFrame);
    setVerticalScrollMode(QAbstractItemView::ScrollPerPixel);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setAttribute(Qt::WA_MacShowFocusRect, false);
    setAccessibleName(tr("Leftovers"));
    setSpacing(0);
    connect(m_delegate, &RemnantRowDelegate::buttonClicked, this, &RemnantItemsView::actionRequested);
}

RemnantItemsView::~RemnantItemsView()
{
    // The viewport outlives this part of the view while it is torn down; its events must not reach the delegate.
    viewport()->removeEventFilter(m_delegate);
}

void RemnantItemsView::paintEvent(QPaintEvent *event)
{
    {
        QPainter painter(viewport());
        painter.fillRect(viewport()->rect(), Theme::contentBackground());
    }
    QListView::paintEvent(event);
}

void RemnantItemsView::mousePressEvent(QMouseEvent *event)
{
    const QModelIndex index = indexAt(event->position().toPoint());
    const Qt::KeyboardModifiers modifiers = event->modifiers();
    if (index.isValid() && event->button() == Qt::LeftButton &&
        (modifiers & (Qt::ControlModifier | Qt::ShiftModifier))) {
        if (modifiers & Qt::ShiftModifier)
            emit extendRequested(index);
        else
            emit toggleRequested(index);
        selectionModel()->setCurrentIndex(index, QItemSelectionModel::NoUpdate);
        return;
    }
    QListView::mousePressEvent(event);
}

void RemnantItemsView::keyPressEvent(QKeyEvent *event)
{
    const QModelIndex current = currentIndex();
    switch (event->key()) {
    case Qt::Key_Space:
        if (current.isValid())
            emit toggleRequested(current);
        return;
    case Qt::Key_Escape:
        emit clearRequested();
        return;
    case Qt::Key_Delete:
    case Qt::Key_Backspace:
        if (current.isValid())
            emit actionRequested(current, RemnantRowDelegate::RowButton::trash);
        return;
    case Qt::Key_T:
        if (current.isValid() && !(event->modifiers() & ~Qt::KeypadModifier))
            emit actionRequested(current, RemnantRowDelegate::RowButton::tag);
        return;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        if (current.isValid())
            emit actionRequested(current, RemnantRowDelegate::RowButton::reveal);
        return;
    default:
        break;
    }
    if ((event->key() == Qt::Key_Up || event->key() == Qt::Key_Down) && (event->modifiers() & Qt::ShiftModifier)) {
        QListView::keyPressEvent(event);
        if (currentIndex().isValid())
            emit extendRequested(currentIndex());
        return;
    }
    QListView::keyPressEvent(event);
}
