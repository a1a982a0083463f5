// SPDX-FileCopyrightText: 2026 The Leftscan developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QWidget>

class QVBoxLayout;

// A titled group of a settings form: the title above a rounded panel that holds the rows.
class FormSection : public QWidget {
    Q_OBJECT

public:
    explicit FormSection(const QString &title, QWidget *parent = nullptr);

    QVBoxLayout *rows() const { return m_rows; }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QWidget *m_panel;
    QVBoxLayout *m_rows;
};
