// SPDX-FileCopyrightText: 2026 The Leftscan developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "ui/SystemColor.h"

#include <QColor>
#include <QFont>

class QApplication;

// The Mac's appearance in light and dark: system colours, label shades, backgrounds and the text styles. Views
// read it when they paint, so a change of appearance needs only a repaint.
class Theme {
public:
    enum class TextStyle { title2, title3, headline, body, callout, caption, caption2 };

    static bool isDark();
    // Sets the appearance and applies the matching palette to the application.
    static void setDark(QApplication &application, bool dark);

    static QColor color(SystemColor color);
    static QColor accent();
    static QColor label();
    static QColor secondaryLabel();
    static QColor tertiaryLabel();
    static QColor quaternaryFill();
    static QColor separator();
    static QColor windowBackground();
    static QColor contentBackground();
    static QColor sidebarBackground();
    static QColor controlBackground();

    static QColor withAlpha(QColor color, qreal alpha);
    static QFont font(TextStyle style);
    // A font of the body family at a given pixel size and weight, for symbols drawn as text.
    static QFont font(int pixelSize, QFont::Weight weight);

private:
    static inline bool s_dark = false;
};
