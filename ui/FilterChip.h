// SPDX-FileCopyrightText: 2026 The Leftscan developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QAbstractButton>

// A small rounded toggle with a symbol and a label: accent-filled with white content while active.
class FilterChip : public QAbstractButton {
    Q_OBJECT

public:
    FilterChip(const QString &label, const QString &symbol, QWidget *parent = nullptr);

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QString m_symbol;
};
