// SPDX-FileCopyrightText: 2026 The Leftscan developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/FormSection.h"

#include "ui/ThemedLabel.h"

#include <QPainter>
#include <QVBoxLayout>

FormSection::FormSection(const QString &title, QWidget *parent)
    : QWidget(parent)
    , m_panel(new QWidget(this))
    , m_rows(new QVBoxLayout(m_panel))
{
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(6);
    auto *heading = new ThemedLabel(title, Theme::TextStyle::headline);
    heading->setContentsMargins(4, 0, 0, 0);
    layout->addWidget(heading);
    layout->addWidget(m_panel);
    m_rows->setContentsMargins(12, 10, 12, 10);
    m_rows->setSpacing(8);
}

void FormSection::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(Theme::separator(), 1));
    painter.setBrush(Theme::isDark() ? QColor(255, 255, 255, 12) : QColor(255, 255, 255, 200));
    painter.drawRoundedRect(QRectF(m_panel->geometry()).adjusted(0.5, 0.5, -0.5, -0.5), 8, 8);
}
