// SPDX-FileCopyrightText: 2026 The Leftscan developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Renders the application icon at the sizes the desktop's icon themes and the Mac's icon file want:
//   leftscan-render-icon ICON.svg SIZE OUT.png [SIZE OUT.png]...
// Runs at build time, without a display: the icon has no text, so no application object or fonts are needed.
#include <QDir>
#include <QFileInfo>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>
#include <cstdio>
#include <cstdlib>

int main(int argc, char **argv)
{
    if (argc < 4 || argc % 2 != 0) {
        std::fputs("usage: leftscan-render-icon ICON.svg SIZE OUT.png [SIZE OUT.png]...\n", stderr);
        return 2;
    }
    QSvgRenderer icon(QString::fromLocal8Bit(argv[1]));
    if (!icon.isValid()) {
        std::fprintf(stderr, "leftscan-render-icon: cannot read %s\n", argv[1]);
        return 1;
    }
    for (int i = 2; i + 1 < argc; i += 2) {
        const int size = std::atoi(argv[i]);
        if (size <= 0) {
            std::fprintf(stderr, "leftscan-render-icon: %s is not a size\n", argv[i]);
            return 2;
        }
        QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::transparent);
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing);
        icon.render(&painter, QRectF(0, 0, size, size));
        painter.end();
        const QString output = QString::fromLocal8Bit(argv[i + 1]);
        if (!QDir().mkpath(QFileInfo(output).path()) || !image.save(output, "PNG")) {
            std::fprintf(stderr, "leftscan-render-icon: cannot write %s\n", argv[i + 1]);
            return 1;
        }
    }
    return 0;
}
