// SPDX-FileCopyrightText: 2026 The Leftscan developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QLabel>
#include <functional>

// A symbol image in a colour taken from the theme, redrawn when the appearance changes.
class SymbolLabel : public QLabel {
    Q_OBJECT

public:
    using ColorSource = std::function<QColor()>;

    SymbolLabel(const QString &symbol, int size, ColorSource color, QWidget *parent = nullptr);

protected:
    bool event(QEvent *event) override;

private:
    void redraw();

    QString m_symbol;
    int m_size;
    ColorSource m_color;
};
