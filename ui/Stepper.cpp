// SPDX-FileCopyrightText: 2026 The Leftscan developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/Stepper.h"

#include "ui/Theme.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>

Stepper::Stepper(int minimum, int maximum, int step, QWidget *parent)
    : QWidget(parent)
    , m_minimum(minimum)
    , m_maximum(maximum)
    , m_step(step)
    , m_value(minimum)
{
    setFocusPolicy(Qt::StrongFocus);
    setFixedSize(sizeHint());
    setCursor(Qt::PointingHandCursor);
}

QSize Stepper::sizeHint() const
{
    return {15, 22};
}

void Stepper::setValue(int value)
{
    if (m_value == value)
        return;
    m_value = value;
    update();
}

void Stepper::stepBy(int steps)
{
    const int next = std::clamp(m_value + steps * m_step, m_minimum, m_maximum);
    if (next == m_value)
        return;
    m_value = next;
    update();
    emit valueEdited(m_value);
}

void Stepper::mousePressEvent(QMouseEvent *event)
{
    m_pressedHalf = event->position().y() < height() / 2.0 ? 1 : -1;
    stepBy(m_pressedHalf);
    update();
}

void Stepper::mouseReleaseEvent(QMouseEvent *)
{
    m_pressedHalf = 0;
    update();
}

void Stepper::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Up || event->key() == Qt::Key_Plus)
        stepBy(1);
    else if (event->key() == Qt::Key_Down || event->key() == Qt::Key_Minus)
        stepBy(-1);
    else
        QWidget::keyPressEvent(event);
}

void Stepper::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF frame = QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5);
    painter.setPen(QPen(hasFocus() ? Theme::accent() : Theme::separator(), 1));
    painter.setBrush(Theme::controlBackground());
    painter.drawRoundedRect(frame, 4, 4);
    painter.setPen(QPen(Theme::separator(), 1));
    painter.drawLine(QPointF(frame.left() + 2, frame.center().y()), QPointF(frame.right() - 2, frame.center().y()));
    auto arrow = [&](bool up) {
        const qreal cx = frame.center().x();
        const qreal cy = up ? frame.top() + frame.height() * 0.27 : frame.top() + frame.height() * 0.73;
        const bool enabled = up ? m_value < m_maximum : m_value > m_minimum;
        const bool pressed = m_pressedHalf == (up ? 1 : -1);
        QPainterPath path;
        const qreal d = up ? -1.5 : 1.5;
        path.moveTo(cx - 3, cy - d);
        path.lineTo(cx, cy + d);
        path.lineTo(cx + 3, cy - d);
        painter.setPen(QPen(enabled ? (pressed ? Theme::accent() : Theme::label()) : Theme::tertiaryLabel(), 1.4,
                            Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        painter.setBrush(Qt::NoBrush);
        painter.drawPath(path);
    };
    arrow(true);
    arrow(false);
}
