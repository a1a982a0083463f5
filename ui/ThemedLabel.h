// SPDX-FileCopyrightText: 2026 The Leftscan developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "ui/Theme.h"

#include <QLabel>
#include <functional>

// A text in one of the Mac's text styles and a colour taken from the theme, restyled when the appearance
// changes.
class ThemedLabel : public QLabel {
    Q_OBJECT

public:
    using ColorSource = std::function<QColor()>;

    ThemedLabel(const QString &text, Theme::TextStyle style, ColorSource color = Theme::label,
                QWidget *parent = nullptr);

protected:
    bool event(QEvent *event) override;

private:
    void restyle();

    ColorSource m_color;
};
