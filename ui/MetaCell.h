// SPDX-FileCopyrightText: 2026 The Leftscan developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "ui/SymbolLabel.h"

#include <QFrame>

class QLabel;

// One fact about a leftover in the detail pane's grid: a symbol and a small label above the value.
class MetaCell : public QFrame {
    Q_OBJECT

public:
    MetaCell(const QString &icon, const QString &label, const QString &value, SymbolLabel::ColorSource color,
             QWidget *parent = nullptr);

    QString label() const { return m_label; }
    QString value() const;
    QColor valueColor() const;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QString m_label;
    QLabel *m_value;
    SymbolLabel::ColorSource m_color;
};
