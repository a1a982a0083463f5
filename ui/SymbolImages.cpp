// SPDX-FileCopyrightText: 2026 The Leftscan developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/SymbolImages.h"

#include <QFile>
#include <QHash>
#include <QImage>
#include <QPainter>
#include <QSet>
#include <QSvgRenderer>
#include <QtGlobal>

namespace {

struct CacheKey {
    QString symbol;
    QRgb rgba;
    int logicalSize;
    qreal devicePixelRatio;

    bool operator==(const CacheKey &) const = default;
};

size_t qHash(const CacheKey &key, size_t seed = 0)
{
    return qHashMulti(seed, key.symbol, key.rgba, key.logicalSize, key.devicePixelRatio);
}

QString resourcePath(const QString &symbol)
{
    return QStringLiteral(":/symbols/%1.svg").arg(symbol);
}

void warnOnce(const QString &symbol)
{
    static QSet<QString> warned;
    if (warned.contains(symbol))
        return;
    warned.insert(symbol);
    qWarning("SymbolImages: no symbol named \"%s\"", qUtf8Printable(symbol));
}

QRectF centredFit(const QSizeF &size, const QRectF &bounds)
{
    if (size.isEmpty())
        return bounds;
    const QSizeF fitted = size.scaled(bounds.size(), Qt::KeepAspectRatio);
    QRectF rect(QPointF(), fitted);
    rect.moveCenter(bounds.center());
    return rect;
}

QPixmap render(const QString &symbol, const QColor &color, int logicalSize, qreal devicePixelRatio)
{
    if (!SymbolImages::exists(symbol)) {
        warnOnce(symbol);
        return {};
    }
    QSvgRenderer renderer(resourcePath(symbol));
    if (!renderer.isValid()) {
        warnOnce(symbol);
        return {};
    }

    const int pixels = qMax(1, qRound(logicalSize * devicePixelRatio));
    QImage image(pixels, pixels, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    {
        QPainter painter(&image);
        painter.setRenderHints(QPainter::Antialiasing | QPainter::SmoothPixmapTransform);
        renderer.render(&painter, centredFit(renderer.viewBoxF().size(), QRectF(image.rect())));
        painter.setCompositionMode(QPainter::CompositionMode_SourceIn);
        painter.fillRect(image.rect(), color);
    }

    QPixmap pixmap = QPixmap::fromImage(std::move(image));
    pixmap.setDevicePixelRatio(devicePixelRatio);
    return pixmap;
}

} // namespace

QPixmap SymbolImages::pixmap(const QString &symbol, const QColor &color, int logicalSize, qreal devicePixelRatio)
{
    if (logicalSize < 1 || devicePixelRatio <= 0)
        return {};

    static QHash<CacheKey, QPixmap> cache;
    const CacheKey key{symbol, color.rgba(), logicalSize, devicePixelRatio};
    if (const auto found = cache.constFind(key); found != cache.constEnd())
        return *found;

    QPixmap pixmap = render(symbol, color, logicalSize, devicePixelRatio);
    cache.insert(key, pixmap);
    return pixmap;
}

QIcon SymbolImages::icon(const QString &symbol, const QColor &color, int logicalSize)
{
    QIcon icon;
    for (const qreal devicePixelRatio : {1.0, 2.0}) {
        const QPixmap pixmap = SymbolImages::pixmap(symbol, color, logicalSize, devicePixelRatio);
        if (pixmap.isNull())
            return {};
        icon.addPixmap(pixmap);
    }
    return icon;
}

bool SymbolImages::exists(const QString &symbol)
{
    return QFile::exists(resourcePath(symbol));
}
