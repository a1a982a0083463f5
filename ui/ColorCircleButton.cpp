// SPDX-FileCopyrightText: 2026 The Leftscan developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/ColorCircleButton.h"

#include "ui/SymbolImages.h"
#include "ui/Theme.h"

#include <QPainter>

ColorCircleButton::ColorCircleButton(SystemColor color, int diameter, QWidget *parent)
    : QAbstractButton(parent)
    , m_color(color)
    , m_diameter(diameter)
{
    setCursor(Qt::PointingHandCursor);
    setFocusPolicy(Qt::StrongFocus);
    setFixedSize(sizeHint());
}

void ColorCircleButton::setCheckMark(bool shown)
{
    m_checkMark = shown;
    update();
}

QSize ColorCircleButton::sizeHint() const
{
    return {m_diameter + 4, m_diameter + 4};
}

void ColorCircleButton::paintCircle(QPainter &painter, const QRectF &rect, SystemColor color)
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(Theme::color(color));
    painter.drawEllipse(rect);
    painter.restore();
}

void ColorCircleButton::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF circle((width() - m_diameter) / 2.0, (height() - m_diameter) / 2.0, m_diameter, m_diameter);
    paintCircle(painter, isDown() ? circle.adjusted(1, 1, -1, -1) : circle, m_color);
    if (hasFocus() || underMouse()) {
        painter.setPen(QPen(Theme::withAlpha(Theme::label(), hasFocus() ? 0.6 : 0.25), 2));
        painter.setBrush(Qt::NoBrush);
        painter.drawEllipse(circle.adjusted(-1, -1, 1, 1));
    }
    if (m_checkMark) {
        const int size = std::max(10, m_diameter / 2);
        painter.drawPixmap(QPointF(circle.center().x() - size / 2.0, circle.center().y() - size / 2.0),
                           SymbolImages::pixmap(QStringLiteral("checkmark"), Qt::white, size, devicePixelRatioF()));
    }
}
