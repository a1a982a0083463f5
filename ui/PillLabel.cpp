// SPDX-FileCopyrightText: 2026 The Leftscan developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/PillLabel.h"

#include "ui/SymbolImages.h"
#include "ui/Theme.h"

#include <QPainter>

namespace {
constexpr int SymbolSize = 11;
constexpr int Gap = 4;
} // namespace

PillLabel::PillLabel(const QString &text, const QString &symbol, std::optional<SystemColor> color, qreal tint,
                     QWidget *parent)
    : QWidget(parent)
    , m_text(text)
    , m_symbol(symbol)
    , m_color(color)
    , m_tint(tint)
{
    setFont(Theme::font(11, QFont::Bold));
    setAccessibleName(text);
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
}

void PillLabel::setDot(SystemColor color)
{
    m_dot = color;
    updateGeometry();
    update();
}

QColor PillLabel::foreground() const
{
    return m_color ? Theme::color(*m_color) : Theme::label();
}

QSize PillLabel::sizeHint() const
{
    const QFontMetrics metrics(font());
    const int lead = m_dot ? 10 + Gap : (m_symbol.isEmpty() ? 0 : SymbolSize + Gap);
    return {16 + lead + metrics.horizontalAdvance(m_text), metrics.height() + 6};
}

void PillLabel::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(m_color ? Theme::withAlpha(foreground(), m_tint) : Theme::quaternaryFill());
    painter.drawRoundedRect(QRectF(rect()), 5, 5);
    int x = 8;
    if (m_dot) {
        painter.setBrush(Theme::color(*m_dot));
        painter.drawEllipse(QRectF(x, (height() - 10) / 2.0, 10, 10));
        x += 10 + Gap;
    } else if (!m_symbol.isEmpty()) {
        painter.drawPixmap(x, (height() - SymbolSize) / 2,
                           SymbolImages::pixmap(m_symbol, foreground(), SymbolSize, devicePixelRatioF()));
        x += SymbolSize + Gap;
    }
    painter.setPen(foreground());
    painter.setFont(font());
    painter.drawText(QRect(x, 0, width() - x, height()), Qt::AlignLeft | Qt::AlignVCenter, m_text);
}
