// SPDX-FileCopyrightText: 2026 The Leftscan developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/FilterChip.h"

#include "ui/SymbolImages.h"
#include "ui/Theme.h"

#include <QPainter>
#include <QStyleOptionFocusRect>

namespace {
constexpr int HorizontalPadding = 8;
constexpr int VerticalPadding = 4;
constexpr int SymbolSize = 12;
constexpr int Gap = 4;
} // namespace

FilterChip::FilterChip(const QString &label, const QString &symbol, QWidget *parent)
    : QAbstractButton(parent)
    , m_symbol(symbol)
{
    setText(label);
    setCheckable(true);
    setCursor(Qt::PointingHandCursor);
    setFocusPolicy(Qt::StrongFocus);
    setAccessibleName(label);
    setFont(Theme::font(Theme::TextStyle::caption));
}

QSize FilterChip::sizeHint() const
{
    const QFontMetrics metrics(font());
    return {2 * HorizontalPadding + SymbolSize + Gap + metrics.horizontalAdvance(text()),
            2 * VerticalPadding + std::max(SymbolSize, metrics.height())};
}

void FilterChip::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const bool active = isChecked();
    QColor background = active ? Theme::accent() : Theme::withAlpha(Theme::secondaryLabel(), 0.15);
    if (isDown())
        background = background.darker(115);
    painter.setPen(Qt::NoPen);
    painter.setBrush(background);
    painter.drawRoundedRect(QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5), 6, 6);
    if (hasFocus()) {
        painter.setPen(QPen(Theme::withAlpha(Theme::accent(), 0.6), 2));
        painter.setBrush(Qt::NoBrush);
        painter.drawRoundedRect(QRectF(rect()).adjusted(1, 1, -1, -1), 6, 6);
    }
    const QColor foreground = active ? QColor(Qt::white) : Theme::label();
    const QPixmap symbol = SymbolImages::pixmap(m_symbol, foreground, SymbolSize, devicePixelRatioF());
    painter.drawPixmap(HorizontalPadding, (height() - SymbolSize) / 2, symbol);
    painter.setPen(foreground);
    painter.setFont(font());
    painter.drawText(QRect(HorizontalPadding + SymbolSize + Gap, 0, width(), height()),
                     Qt::AlignLeft | Qt::AlignVCenter, text());
}
