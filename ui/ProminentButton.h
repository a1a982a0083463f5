// SPDX-FileCopyrightText: 2026 The Leftscan developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "ui/SystemColor.h"

#include <QPushButton>
#include <optional>

// A push button in the Mac's bordered styles: prominent (filled with the accent or a tint, white text) or plain
// bordered, with an optional leading symbol.
class ProminentButton : public QPushButton {
    Q_OBJECT

public:
    enum class Style { prominent, bordered };

    ProminentButton(const QString &text, const QString &symbol = {}, Style style = Style::prominent,
                    QWidget *parent = nullptr);

    // A tint other than the accent colour, e.g. red for a destructive action.
    void setTint(std::optional<SystemColor> tint);

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QColor fill() const;
    QColor foreground() const;

    QString m_symbol;
    Style m_style;
    std::optional<SystemColor> m_tint;
};
