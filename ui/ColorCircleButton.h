// SPDX-FileCopyrightText: 2026 The Leftscan developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "ui/SystemColor.h"

#include <QAbstractButton>

// A filled circle in a system colour, optionally with a white check mark on it.
class ColorCircleButton : public QAbstractButton {
    Q_OBJECT

public:
    ColorCircleButton(SystemColor color, int diameter, QWidget *parent = nullptr);

    void setCheckMark(bool shown);
    bool hasCheckMark() const { return m_checkMark; }
    QSize sizeHint() const override;

    // Paints a circle of the colour; shared with rows and pills that show a tag dot.
    static void paintCircle(QPainter &painter, const QRectF &rect, SystemColor color);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    SystemColor m_color;
    int m_diameter;
    bool m_checkMark = false;
};
