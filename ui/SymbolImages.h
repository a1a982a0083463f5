// SPDX-FileCopyrightText: 2026 The Leftscan developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QColor>
#include <QIcon>
#include <QPixmap>
#include <QString>

// The monochrome symbols compiled in under :/symbols, drawn in one colour. Rendered pixmaps are cached for the
// life of the program, so these are for the GUI thread only.
class SymbolImages {
public:
    SymbolImages() = delete;

    // A square, transparent pixmap of logicalSize device-independent pixels with the symbol centred in it; null
    // for an unknown symbol or a size below one.
    static QPixmap pixmap(const QString &symbol, const QColor &color, int logicalSize, qreal devicePixelRatio = 1.0);
    // The symbol at device pixel ratios 1 and 2; null for an unknown symbol.
    static QIcon icon(const QString &symbol, const QColor &color, int logicalSize = 16);
    static bool exists(const QString &symbol);
};
