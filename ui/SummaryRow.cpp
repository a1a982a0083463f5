// SPDX-FileCopyrightText: 2026 The Leftscan developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/SummaryRow.h"

#include "ui/SymbolImages.h"
#include "ui/Theme.h"

#include <QPainter>

namespace {
constexpr int LeadingPadding = 8;
constexpr int TrailingPadding = 8;
constexpr int Gap = 8;
constexpr int SymbolSize = 13;
} // namespace

SummaryRow::SummaryRow(const QString &symbol, SymbolLabel::ColorSource color, const QString &label, int labelWidth,
                       QWidget *parent)
    : QAbstractButton(parent)
    , m_symbol(symbol)
    , m_color(std::move(color))
    , m_labelWidth(labelWidth)
{
    setText(label);
    setFont(Theme::font(Theme::TextStyle::callout));
    setFocusPolicy(Qt::NoFocus);
    setAccessibleName(label);
}

void SummaryRow::setValue(const QString &value)
{
    if (m_value == value)
        return;
    m_value = value;
    setAccessibleDescription(value);
    updateGeometry();
    update();
}

void SummaryRow::setDimmed(bool dimmed)
{
    if (m_dimmed != dimmed) {
        m_dimmed = dimmed;
        update();
    }
}

void SummaryRow::setChosen(bool chosen)
{
    if (m_chosen != chosen) {
        m_chosen = chosen;
        update();
    }
}

void SummaryRow::setClickable(bool clickable)
{
    setCursor(clickable ? Qt::PointingHandCursor : Qt::ArrowCursor);
    setFocusPolicy(clickable ? Qt::TabFocus : Qt::NoFocus);
}

QSize SummaryRow::sizeHint() const
{
    const QFontMetrics metrics(font());
    const int labelWidth = m_labelWidth > 0 ? m_labelWidth : metrics.horizontalAdvance(text());
    const int valueWidth = std::max(ValueColumnWidth, metrics.horizontalAdvance(m_value));
    return {LeadingPadding + IconColumnWidth + Gap + labelWidth + Gap + valueWidth + TrailingPadding,
            metrics.height() + 12};
}

QSize SummaryRow::minimumSizeHint() const
{
    return sizeHint();
}

void SummaryRow::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    if (m_chosen) {
        painter.setPen(Qt::NoPen);
        painter.setBrush(Theme::withAlpha(Theme::accent(), 0.15));
        painter.drawRoundedRect(QRectF(rect()).adjusted(2, 1, -2, -1), 6, 6);
    } else if (hasFocus()) {
        painter.setPen(QPen(Theme::withAlpha(Theme::accent(), 0.5), 1.5));
        painter.setBrush(Qt::NoBrush);
        painter.drawRoundedRect(QRectF(rect()).adjusted(2, 1, -2, -1), 6, 6);
    }
    if (m_dimmed)
        painter.setOpacity(0.45);
    int x = LeadingPadding;
    painter.drawPixmap(x + (IconColumnWidth - SymbolSize) / 2, (height() - SymbolSize) / 2,
                       SymbolImages::pixmap(m_symbol, m_color(), SymbolSize, devicePixelRatioF()));
    x += IconColumnWidth + Gap;
    painter.setFont(font());
    painter.setPen(m_labelWidth > 0 ? Theme::secondaryLabel() : Theme::label());
    const QFontMetrics metrics(font());
    const int valueWidth = std::max(ValueColumnWidth, metrics.horizontalAdvance(m_value));
    const int valueLeft = width() - TrailingPadding - valueWidth;
    const int labelWidth = m_labelWidth > 0 ? m_labelWidth : valueLeft - Gap - x;
    painter.drawText(QRect(x, 0, labelWidth, height()), Qt::AlignLeft | Qt::AlignVCenter,
                     metrics.elidedText(text(), Qt::ElideRight, labelWidth));
    painter.setPen(m_labelWidth > 0 ? Theme::label() : Theme::secondaryLabel());
    painter.drawText(QRect(valueLeft, 0, valueWidth, height()), Qt::AlignRight | Qt::AlignVCenter, m_value);
}
