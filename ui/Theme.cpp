// SPDX-FileCopyrightText: 2026 The Leftscan developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/Theme.h"

#include <QApplication>
#include <QEvent>
#include <QFontDatabase>
#include <QPalette>
#include <QWidget>

namespace {

QColor fromRgba(const RgbaColor &rgba)
{
    QColor color(rgba.red, rgba.green, rgba.blue);
    color.setAlphaF(float(rgba.alpha));
    return color;
}

QString bodyFamily()
{
    static const QString family = [] {
        for (const QString &candidate : {QStringLiteral("Inter"), QStringLiteral("Cantarell"),
                                         QStringLiteral("Noto Sans"), QStringLiteral("DejaVu Sans")}) {
            if (QFontDatabase::families().contains(candidate))
                return candidate;
        }
        return QApplication::font().family();
    }();
    return family;
}

} // namespace

bool Theme::isDark()
{
    return s_dark;
}

void Theme::setDark(QApplication &application, bool dark)
{
    s_dark = dark;
    QPalette palette;
    palette.setColor(QPalette::Window, windowBackground());
    palette.setColor(QPalette::WindowText, label());
    palette.setColor(QPalette::Base, contentBackground());
    palette.setColor(QPalette::AlternateBase, controlBackground());
    palette.setColor(QPalette::Text, label());
    palette.setColor(QPalette::PlaceholderText, tertiaryLabel());
    palette.setColor(QPalette::Button, controlBackground());
    palette.setColor(QPalette::ButtonText, label());
    palette.setColor(QPalette::Highlight, accent());
    palette.setColor(QPalette::HighlightedText, Qt::white);
    palette.setColor(QPalette::ToolTipBase, dark ? QColor(58, 58, 60) : QColor(250, 250, 250));
    palette.setColor(QPalette::ToolTipText, label());
    palette.setColor(QPalette::Link, accent());
    palette.setColor(QPalette::Mid, separator());
    palette.setColor(QPalette::Light, dark ? QColor(90, 90, 92) : QColor(255, 255, 255));
    palette.setColor(QPalette::Dark, dark ? QColor(20, 20, 20) : QColor(190, 190, 192));
    palette.setColor(QPalette::Disabled, QPalette::Text, tertiaryLabel());
    palette.setColor(QPalette::Disabled, QPalette::ButtonText, tertiaryLabel());
    palette.setColor(QPalette::Disabled, QPalette::WindowText, tertiaryLabel());
    application.setPalette(palette);
    application.setFont(font(TextStyle::body));
    // Views that keep colours of their own take them from the theme again.
    for (QWidget *widget : QApplication::allWidgets()) {
        QEvent changed(QEvent::ApplicationPaletteChange);
        QCoreApplication::sendEvent(widget, &changed);
        widget->update();
    }
}

QColor Theme::color(SystemColor color)
{
    return fromRgba(s_dark ? darkRgba(color) : lightRgba(color));
}

QColor Theme::accent()
{
    return color(SystemColor::blue);
}

QColor Theme::label()
{
    return s_dark ? QColor(255, 255, 255, 217) : QColor(0, 0, 0, 217);
}

QColor Theme::secondaryLabel()
{
    return color(SystemColor::secondaryLabel);
}

QColor Theme::tertiaryLabel()
{
    return s_dark ? QColor(255, 255, 255, 64) : QColor(0, 0, 0, 66);
}

QColor Theme::quaternaryFill()
{
    return s_dark ? QColor(255, 255, 255, 18) : QColor(0, 0, 0, 13);
}

QColor Theme::separator()
{
    return s_dark ? QColor(255, 255, 255, 26) : QColor(0, 0, 0, 26);
}

QColor Theme::windowBackground()
{
    return s_dark ? QColor(50, 50, 50) : QColor(236, 236, 236);
}

QColor Theme::contentBackground()
{
    return s_dark ? QColor(30, 30, 30) : QColor(255, 255, 255);
}

QColor Theme::sidebarBackground()
{
    return s_dark ? QColor(40, 40, 42) : QColor(232, 232, 235);
}

QColor Theme::controlBackground()
{
    return s_dark ? QColor(70, 70, 72) : QColor(255, 255, 255);
}

QColor Theme::withAlpha(QColor color, qreal alpha)
{
    color.setAlphaF(float(color.alphaF() * alpha));
    return color;
}

QFont Theme::font(int pixelSize, QFont::Weight weight)
{
    QFont font(bodyFamily());
    font.setPixelSize(pixelSize);
    font.setWeight(weight);
    return font;
}

QFont Theme::font(TextStyle style)
{
    switch (style) {
    case TextStyle::title2:
        return font(19, QFont::Bold);
    case TextStyle::title3:
        return font(16, QFont::Bold);
    case TextStyle::headline:
        return font(13, QFont::DemiBold);
    case TextStyle::body:
        return font(13, QFont::Normal);
    case TextStyle::callout:
        return font(12, QFont::Normal);
    case TextStyle::caption:
        return font(11, QFont::Normal);
    case TextStyle::caption2:
        return font(9, QFont::Bold);
    }
    return font(13, QFont::Normal);
}
