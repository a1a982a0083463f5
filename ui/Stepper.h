// SPDX-FileCopyrightText: 2026 The Leftscan developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QWidget>

// A pair of small up and down arrows that step a whole number within a range, without a text field of its own.
class Stepper : public QWidget {
    Q_OBJECT

public:
    Stepper(int minimum, int maximum, int step, QWidget *parent = nullptr);

    int value() const { return m_value; }
    // Takes the value as given, even outside the range; the arrows then step back into it.
    void setValue(int value);
    void stepBy(int steps);

    QSize sizeHint() const override;

signals:
    // Only for changes made with the arrows or keys.
    void valueEdited(int value);

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    int m_minimum;
    int m_maximum;
    int m_step;
    int m_value;
    int m_pressedHalf = 0; // -1 lower, 1 upper
};
