// SPDX-FileCopyrightText: 2026 The Leftscan developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/MetaCell.h"

#include "ui/ThemedLabel.h"

#include <QHBoxLayout>
#include <QPainter>
#include <QVBoxLayout>

MetaCell::MetaCell(const QString &icon, const QString &label, const QString &value, SymbolLabel::ColorSource color,
                   QWidget *parent)
    : QFrame(parent)
    , m_label(label)
    , m_color(color)
{
    setMinimumWidth(10);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(10, 10, 10, 10);
    layout->setSpacing(4);
    auto *title = new QHBoxLayout;
    title->setSpacing(5);
    title->addWidget(new SymbolLabel(icon, 11, color));
    auto *caption = new ThemedLabel(label, Theme::TextStyle::caption, Theme::secondaryLabel);
    QFont font = caption->font();
    font.setWeight(QFont::Bold);
    caption->setFont(font);
    title->addWidget(caption);
    title->addStretch(1);
    layout->addLayout(title);
    auto *shown = new ThemedLabel(value, Theme::TextStyle::callout, color);
    shown->setTextInteractionFlags(Qt::TextSelectableByMouse);
    shown->setWordWrap(true);
    m_value = shown;
    layout->addWidget(m_value);
    setAccessibleName(tr("%1: %2").arg(label, value));
}

QString MetaCell::value() const
{
    return m_value->text();
}

QColor MetaCell::valueColor() const
{
    return m_color();
}

void MetaCell::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(Theme::withAlpha(Theme::secondaryLabel(), 0.12));
    painter.drawRoundedRect(QRectF(rect()), 8, 8);
}
