// SPDX-FileCopyrightText: 2026 The Leftscan developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QWidget>

class QLabel;
class RemnantScanner;

// A band above the list that tells which Library folders the last scan left out and why; hidden without any.
class ScanWarningsBanner : public QWidget {
    Q_OBJECT

public:
    explicit ScanWarningsBanner(RemnantScanner &scanner, QWidget *parent = nullptr);

    QString text() const;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    void refresh();

    RemnantScanner &m_scanner;
    QLabel *m_text;
};
