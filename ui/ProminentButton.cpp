// SPDX-FileCopyrightText: 2026 The Leftscan developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/ProminentButton.h"

#include "ui/SymbolImages.h"
#include "ui/Theme.h"

#include <QPainter>

namespace {
constexpr int SymbolSize = 14;
constexpr int Gap = 6;
} // namespace

ProminentButton::ProminentButton(const QString &text, const QString &symbol, Style style, QWidget *parent)
    : QPushButton(text, parent)
    , m_symbol(symbol)
    , m_style(style)
{
    setCursor(Qt::PointingHandCursor);
    setFocusPolicy(Qt::TabFocus);
    setAccessibleName(text);
}

void ProminentButton::setTint(std::optional<SystemColor> tint)
{
    m_tint = tint;
    update();
}

QSize ProminentButton::sizeHint() const
{
    const QFontMetrics metrics(font());
    const int symbolWidth = m_symbol.isEmpty() ? 0 : SymbolSize + Gap;
    return {symbolWidth + metrics.horizontalAdvance(text()) + 28, std::max(28, metrics.height() + 14)};
}

QColor ProminentButton::fill() const
{
    const QColor tint = m_tint ? Theme::color(*m_tint) : Theme::accent();
    if (m_style == Style::prominent)
        return tint;
    return Theme::isDark() ? QColor(255, 255, 255, 30) : QColor(0, 0, 0, 14);
}

QColor ProminentButton::foreground() const
{
    if (m_style == Style::prominent)
        return Qt::white;
    return m_tint ? Theme::color(*m_tint) : Theme::label();
}

void ProminentButton::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    QColor background = fill();
    if (!isEnabled())
        background = Theme::withAlpha(background, 0.45);
    else if (isDown())
        background = background.darker(120);
    painter.setPen(Qt::NoPen);
    painter.setBrush(background);
    const QRectF frame = QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5);
    painter.drawRoundedRect(frame, 7, 7);
    if (hasFocus()) {
        painter.setPen(QPen(Theme::withAlpha(Theme::accent(), 0.55), 2.5));
        painter.setBrush(Qt::NoBrush);
        painter.drawRoundedRect(frame.adjusted(1, 1, -1, -1), 6, 6);
    }
    const QColor color = isEnabled() ? foreground() : Theme::withAlpha(foreground(), 0.6);
    const QFontMetrics metrics(font());
    const int symbolWidth = m_symbol.isEmpty() ? 0 : SymbolSize + Gap;
    const int contentWidth = symbolWidth + metrics.horizontalAdvance(text());
    int x = (width() - contentWidth) / 2;
    if (!m_symbol.isEmpty()) {
        painter.drawPixmap(x, (height() - SymbolSize) / 2,
                           SymbolImages::pixmap(m_symbol, color, SymbolSize, devicePixelRatioF()));
        x += symbolWidth;
    }
    painter.setPen(color);
    painter.setFont(font());
    painter.drawText(QRect(x, 0, width() - x, height()), Qt::AlignLeft | Qt::AlignVCenter, text());
}
