// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/BackgroundCache.h"

#include "widgets/SkinImage.h"

#include <QImage>
#include <QPainter>
#include <QSvgRenderer>

BackgroundCache::BackgroundCache(const QString& imageFile) : m_file(imageFile)
{
    const QByteArray svg = SkinImage::svgFor(imageFile);
    if (!svg.isEmpty()) {
        m_renderer = std::make_unique<QSvgRenderer>(svg);
        if (!m_renderer->isValid())
            m_renderer.reset();
    }
    m_hasPng = !m_renderer && SkinImage::exists(imageFile);
}

BackgroundCache::~BackgroundCache() = default;

const QPixmap& BackgroundCache::pngForLevel(int level, const QSize& size)
{
    QPixmap& slot = m_scaled[qBound(0, level, UiScale::kLevels - 1)];
    if (slot.isNull() && m_hasPng)
        slot = SkinImage::pixmap(m_file, size);
    return slot;
}

bool BackgroundCache::paint(QPainter& painter, int level, const QSize& size)
{
    if (m_renderer) {
        m_renderer->render(&painter, QRectF(QPointF(0, 0), QSizeF(size)));
        return true;
    }
    const QPixmap& background = pngForLevel(level, size);
    if (background.isNull())
        return false;
    painter.drawPixmap(0, 0, background);
    return true;
}

QBitmap BackgroundCache::mask(int level, const QSize& size)
{
    if (!m_renderer)
        return pngForLevel(level, size).mask();
    // Drawn once for its outline, as coverage alone, then let go.
    QImage image(size, QImage::Format_Alpha8);
    if (image.isNull())
        return QBitmap();
    image.fill(Qt::transparent);
    QPainter painter(&image);
    m_renderer->render(&painter, QRectF(QPointF(0, 0), QSizeF(size)));
    painter.end();
    // Inside where the background is at least half opaque, as a pixmap's
    // own mask has it.
    QImage shape(size, QImage::Format_MonoLSB);
    shape.setColorCount(2);
    shape.setColor(0, QColor(Qt::white).rgb());
    shape.setColor(1, QColor(Qt::black).rgb());
    shape.fill(0);
    for (int y = 0; y < size.height(); ++y) {
        const uchar* coverage = image.constScanLine(y);
        uchar* bits = shape.scanLine(y);
        for (int x = 0; x < size.width(); ++x)
            if (coverage[x] >= 128)
                bits[x >> 3] |= uchar(1u << (x & 7));
    }
    return QBitmap::fromImage(shape);
}
