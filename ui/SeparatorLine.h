// SPDX-FileCopyrightText: 2026 The Leftscan developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QWidget>

// A one-pixel divider in the theme's separator colour, horizontal unless told otherwise.
class SeparatorLine : public QWidget {
    Q_OBJECT

public:
    explicit SeparatorLine(Qt::Orientation orientation = Qt::Horizontal, QWidget *parent = nullptr);

protected:
    void paintEvent(QPaintEvent *event) override;
};
