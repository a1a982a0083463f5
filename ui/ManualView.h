// SPDX-FileCopyrightText: 2026 The Leftscan developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QDialog>

class QTextBrowser;

// The manual of the window and of the command line, as their manual pages tell it, in a window of its own.
class ManualView : public QDialog {
    Q_OBJECT

public:
    explicit ManualView(QWidget *parent = nullptr);

    QTextBrowser *browser() const { return m_browser; }

private:
    QTextBrowser *m_browser;
};
