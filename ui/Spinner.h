// SPDX-FileCopyrightText: 2026 The Leftscan developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QWidget>

class QVariantAnimation;

// An indeterminate, spinning progress indicator, turning while it is visible.
class Spinner : public QWidget {
    Q_OBJECT

public:
    explicit Spinner(int diameter, QWidget *parent = nullptr);

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent *event) override;
    void showEvent(QShowEvent *event) override;
    void hideEvent(QHideEvent *event) override;

private:
    int m_diameter;
    QVariantAnimation *m_turn;
};
