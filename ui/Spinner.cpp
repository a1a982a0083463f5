// SPDX-FileCopyrightText: 2026 The Leftscan developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/Spinner.h"

#include "ui/Theme.h"

#include <QPainter>
#include <QVariantAnimation>

namespace {
constexpr int Spokes = 12;
}

Spinner::Spinner(int diameter, QWidget *parent)
    : QWidget(parent)
    , m_diameter(diameter)
    , m_turn(new QVariantAnimation(this))
{
    setFixedSize(sizeHint());
    setAccessibleName(tr("In progress"));
    m_turn->setStartValue(0);
    m_turn->setEndValue(Spokes);
    m_turn->setDuration(1000);
    m_turn->setLoopCount(-1);
    connect(m_turn, &QVariantAnimation::valueChanged, this, qOverload<>(&QWidget::update));
}

QSize Spinner::sizeHint() const
{
    return {m_diameter, m_diameter};
}

void Spinner::showEvent(QShowEvent *event)
{
    m_turn->start();
    QWidget::showEvent(event);
}

void Spinner::hideEvent(QHideEvent *event)
{
    m_turn->stop();
    QWidget::hideEvent(event);
}

void Spinner::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.translate(width() / 2.0, height() / 2.0);
    const int head = m_turn->currentValue().toInt();
    const qreal radius = m_diameter / 2.0;
    for (int i = 0; i < Spokes; ++i) {
        const int age = (head - i + Spokes) % Spokes;
        painter.save();
        painter.rotate(i * 360.0 / Spokes);
        painter.setPen(
            QPen(Theme::withAlpha(Theme::label(), 1.0 - age * 0.07), m_diameter / 12.0, Qt::SolidLine, Qt::RoundCap));
        painter.drawLine(QPointF(0, -radius * 0.45), QPointF(0, -radius * 0.9));
        painter.restore();
    }
}
