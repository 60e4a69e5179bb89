// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/SkinImage.h"

#include <QFile>
#include <QFileInfo>
#include <QImageReader>
#include <QPainter>
#include <QPixmapCache>
#include <QRegularExpression>
#include <QSvgRenderer>

namespace {

bool usableSize(const QSize& size)
{
    return size.width() > 0 && size.height() > 0 && size.width() <= SkinImage::kMaxSide &&
           size.height() <= SkinImage::kMaxSide;
}

QByteArray readSvg(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return QByteArray();
    // A skin SVG is a few kilobytes; anything far larger is not one of ours.
    constexpr qint64 kMaxBytes = 4 * 1024 * 1024;
    if (file.size() > kMaxBytes)
        return QByteArray();
    return file.readAll();
}

QByteArray withAccent(const QByteArray& svg, const QColor& accent)
{
    if (!accent.isValid() || accent.rgb() == SkinImage::sampleAccent().rgb())
        return svg;
    static const QRegularExpression sample(QStringLiteral("#ff7d00"),
                                           QRegularExpression::CaseInsensitiveOption);
    return QString::fromUtf8(svg).replace(sample, accent.name()).toUtf8();
}

// A PNG has no markup to edit: pixels of exactly the sample accent take the
// new colour and keep their opacity, which covers accent shapes drawn on
// transparency, antialiased edges included.
void recolourPixels(QImage& image, const QColor& accent)
{
    if (!accent.isValid() || accent.rgb() == SkinImage::sampleAccent().rgb())
        return;
    image = image.convertToFormat(QImage::Format_ARGB32);
    const QRgb sample = SkinImage::sampleAccent().rgb() & RGB_MASK;
    const QRgb replacement = accent.rgb() & RGB_MASK;
    for (int y = 0; y < image.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            if ((line[x] & RGB_MASK) == sample && qAlpha(line[x]) > 0)
                line[x] = (line[x] & ~RGB_MASK) | replacement;
        }
    }
}

QString cacheKey(const QString& path, const QSize& size, const QColor& accent)
{
    return QStringLiteral("skin:%1@%2x%3:%4")
        .arg(path)
        .arg(size.width())
        .arg(size.height())
        .arg(accent.isValid() ? accent.name() : QString());
}

} // namespace

QString SkinImage::svgPathFor(const QString& pngPath)
{
    const QFileInfo info(pngPath);
    return info.path() + QLatin1Char('/') + info.completeBaseName() + QStringLiteral(".svg");
}

QByteArray SkinImage::svgFor(const QString& pngPath)
{
    return readSvg(svgPathFor(pngPath));
}

QImage SkinImage::renderSvg(const QByteArray& svg, const QSize& size, const QColor& accent)
{
    if (!usableSize(size) || svg.isEmpty())
        return QImage();
    QSvgRenderer renderer(withAccent(svg, accent));
    if (!renderer.isValid())
        return QImage();
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    if (image.isNull())
        return QImage();
    image.fill(Qt::transparent);
    QPainter painter(&image);
    renderer.render(&painter, QRectF(QPointF(0, 0), QSizeF(size)));
    return image;
}

QSize SkinImage::designSize(const QString& pngPath)
{
    if (pngPath.isEmpty())
        return QSize();
    const QByteArray svg = readSvg(svgPathFor(pngPath));
    if (!svg.isEmpty()) {
        const QSvgRenderer renderer(svg);
        if (renderer.isValid() && usableSize(renderer.defaultSize()))
            return renderer.defaultSize();
    }
    const QSize pngSize = QImageReader(pngPath).size();
    return usableSize(pngSize) ? pngSize : QSize();
}

QImage SkinImage::scaledPng(const QString& pngPath, const QSize& size, const QColor& accent)
{
    QImageReader reader(pngPath);
    if (!usableSize(reader.size()))
        return QImage();
    QImage image = reader.read();
    if (image.isNull())
        return QImage();
    recolourPixels(image, accent);
    if (image.size() != size)
        image = image.scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    return image;
}

QImage SkinImage::loadImage(const QString& pngPath, const QSize& size, const QColor& accent)
{
    const QImage fromSvg = renderSvg(readSvg(svgPathFor(pngPath)), size, accent);
    return fromSvg.isNull() ? scaledPng(pngPath, size, accent) : fromSvg;
}

QPixmap SkinImage::pixmap(const QString& pngPath, const QSize& size, const QColor& accent)
{
    if (pngPath.isEmpty() || !usableSize(size))
        return QPixmap();
    const QString key = cacheKey(pngPath, size, accent);
    QPixmap cached;
    if (QPixmapCache::find(key, &cached))
        return cached;
    const QImage image = loadImage(pngPath, size, accent);
    if (image.isNull())
        return QPixmap();
    cached = QPixmap::fromImage(image);
    QPixmapCache::insert(key, cached);
    return cached;
}
