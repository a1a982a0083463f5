// SPDX-FileCopyrightText: 2026 The Leftscan developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "scanner/RemnantActionReport.h"

#include <QWidget>

class ProminentButton;
class QLabel;
class QTimer;
class RemnantScanner;

// A band below the list that says what the last action did, where the user is looking, and offers Undo after a
// move to the Trash, as file managers do. It goes after a while, when another action starts, or when closed.
class ActionBanner : public QWidget {
    Q_OBJECT

public:
    static constexpr int ShownMilliseconds = 10000;

    explicit ActionBanner(RemnantScanner &scanner, QWidget *parent = nullptr);

    void showReport(const RemnantActionReport &report, const QStringList &skipped = {});
    QString text() const;
    ProminentButton *undoButton() const { return m_undo; }

signals:
    void undoRequested();

protected:
    void paintEvent(QPaintEvent *event) override;
    void enterEvent(QEnterEvent *event) override;
    void leaveEvent(QEvent *event) override;

private:
    RemnantScanner &m_scanner;
    QLabel *m_text;
    ProminentButton *m_undo;
    QTimer *m_timer;
};
