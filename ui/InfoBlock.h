// SPDX-FileCopyrightText: 2026 The Leftscan developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "ui/SymbolLabel.h"

#include <QWidget>

class QLabel;

// A titled block of text in the detail pane: a small symbol and caption above the text, which sits on a tinted
// background and can be selected. The path and the evidence use it; so does the stale warning, in orange.
class InfoBlock : public QWidget {
    Q_OBJECT

public:
    enum class Look { monospaced, warning };

    InfoBlock(const QString &icon, const QString &title, const QString &text, Look look, QWidget *parent = nullptr);

    QString title() const { return m_title; }
    QString text() const;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QString m_title;
    Look m_look;
    QWidget *m_body;
    QLabel *m_text;
};
