// SPDX-FileCopyrightText: 2026 The Leftscan developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "ui/SystemColor.h"

#include <QWidget>
#include <optional>

// A small rounded badge: an optional symbol or colour dot and a text, in a colour on the same colour tinted.
class PillLabel : public QWidget {
    Q_OBJECT

public:
    PillLabel(const QString &text, const QString &symbol, std::optional<SystemColor> color, qreal tint,
              QWidget *parent = nullptr);

    // Draws a filled dot of this colour instead of a symbol.
    void setDot(SystemColor color);
    QString text() const { return m_text; }
    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QColor foreground() const;

    QString m_text;
    QString m_symbol;
    std::optional<SystemColor> m_color;
    std::optional<SystemColor> m_dot;
    qreal m_tint;
};
