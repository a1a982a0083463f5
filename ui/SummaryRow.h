// SPDX-FileCopyrightText: 2026 The Leftscan developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "ui/SymbolLabel.h"

#include <QAbstractButton>

// One row of the sidebar: a symbol in its colour in a fixed column, a label, and a right-aligned figure. Rows
// that choose something (the categories) can be clicked and drawn as chosen.
class SummaryRow : public QAbstractButton {
    Q_OBJECT

public:
    static constexpr int IconColumnWidth = 18;
    static constexpr int ValueColumnWidth = 64;
    static constexpr int SummaryLabelWidth = 110;

    SummaryRow(const QString &symbol, SymbolLabel::ColorSource color, const QString &label, int labelWidth = 0,
               QWidget *parent = nullptr);

    void setValue(const QString &value);
    QString value() const { return m_value; }
    QString label() const { return text(); }
    void setDimmed(bool dimmed);
    bool isDimmed() const { return m_dimmed; }
    void setChosen(bool chosen);
    void setClickable(bool clickable);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QString m_symbol;
    SymbolLabel::ColorSource m_color;
    int m_labelWidth;
    QString m_value;
    bool m_dimmed = false;
    bool m_chosen = false;
};
