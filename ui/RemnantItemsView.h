// SPDX-FileCopyrightText: 2026 The Leftscan developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "ui/RemnantRowDelegate.h"

#include <QListView>

// The list itself: single selection for the detail column, plus the keys and modified clicks that fill the bulk
// selection and reach the row actions from the keyboard.
class RemnantItemsView : public QListView {
    Q_OBJECT

public:
    explicit RemnantItemsView(QWidget *parent = nullptr);
    ~RemnantItemsView() override;

    RemnantRowDelegate *rowDelegate() const { return m_delegate; }

signals:
    void toggleRequested(const QModelIndex &index);
    void extendRequested(const QModelIndex &index);
    void clearRequested();
    void actionRequested(const QModelIndex &index, RemnantRowDelegate::RowButton button);

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    RemnantRowDelegate *m_delegate;
};
