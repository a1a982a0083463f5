// SPDX-FileCopyrightText: 2026 The Leftscan developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QWidget>

class QLabel;
class QPushButton;

// Shown before the first scan: the app's symbol, a greeting, the button that starts a scan and, when the program
// offers one, a second button that scans another home instead: one's own after the demonstration, or the other way.
class WelcomeView : public QWidget {
    Q_OBJECT

public:
    explicit WelcomeView(QWidget *parent = nullptr);

    // What the greeting invites to scan.
    void setMessage(const QString &message);
    // The second button's text; none when empty.
    void setAlternative(const QString &label);

signals:
    void startScanRequested();
    void alternativeRequested();

private:
    QPushButton *m_start;
    QPushButton *m_alternative;
    QLabel *m_message;
};
