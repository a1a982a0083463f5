// SPDX-FileCopyrightText: 2026 The Leftscan developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QWidget>

class QLineEdit;
class QToolButton;

// A search field with a magnifying glass and a clear button that shows while there is text.
class SearchBar : public QWidget {
    Q_OBJECT

public:
    explicit SearchBar(QWidget *parent = nullptr);

    QString text() const;
    void setText(const QString &text);
    QLineEdit *field() const { return m_field; }

signals:
    void textChanged(const QString &text);
    // Down was pressed in the field: the list below it takes the keyboard.
    void downRequested();

protected:
    void paintEvent(QPaintEvent *event) override;
    bool event(QEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void restyle();

    QLineEdit *m_field;
    QToolButton *m_clear;
    class QLabel *m_glass;
};
