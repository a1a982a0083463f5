// SPDX-FileCopyrightText: 2026 The Leftscan developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/ThemedLabel.h"

#include <QEvent>

ThemedLabel::ThemedLabel(const QString &text, Theme::TextStyle style, ColorSource color, QWidget *parent)
    : QLabel(text, parent)
    , m_color(std::move(color))
{
    setFont(Theme::font(style));
    restyle();
}

void ThemedLabel::restyle()
{
    QPalette palette = this->palette();
    palette.setColor(QPalette::WindowText, m_color());
    palette.setColor(QPalette::Text, m_color());
    setPalette(palette);
}

bool ThemedLabel::event(QEvent *event)
{
    // The theme announces a new appearance to every widget; colours of our own are taken from it again.
    if (event->type() == QEvent::ApplicationPaletteChange)
        restyle();
    return QLabel::event(event);
}
