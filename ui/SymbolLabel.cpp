// SPDX-FileCopyrightText: 2026 The Leftscan developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/SymbolLabel.h"

#include "ui/SymbolImages.h"

#include <QEvent>

SymbolLabel::SymbolLabel(const QString &symbol, int size, ColorSource color, QWidget *parent)
    : QLabel(parent)
    , m_symbol(symbol)
    , m_size(size)
    , m_color(std::move(color))
{
    setAlignment(Qt::AlignCenter);
    redraw();
}

void SymbolLabel::redraw()
{
    setPixmap(SymbolImages::pixmap(m_symbol, m_color(), m_size, devicePixelRatioF()));
}

bool SymbolLabel::event(QEvent *event)
{
    // The theme announces a new appearance to every widget; colours of our own are taken from it again.
    if (event->type() == QEvent::ApplicationPaletteChange)
        redraw();
    return QLabel::event(event);
}
