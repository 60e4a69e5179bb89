// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "widgets/UiScale.h"

#include <QBitmap>
#include <QPixmap>
#include <QSize>
#include <QString>

#include <memory>

class QPainter;
class QSvgRenderer;

// The window background. From its SVG source it is drawn onto the window at
// each paint, within what the paint covers: a full-window picture kept in
// memory would cost megabytes at every scale. A skin with only the PNG has
// it scaled once per scale level and kept.
class BackgroundCache
{
public:
    explicit BackgroundCache(const QString& imageFile);
    ~BackgroundCache();

    // Paints the background at the window's size; false when there is no
    // image to paint.
    bool paint(QPainter& painter, int level, const QSize& size);
    // The window's shape at that size: where the background is not
    // transparent. Null when there is no image.
    QBitmap mask(int level, const QSize& size);

private:
    const QPixmap& pngForLevel(int level, const QSize& size);

    QString m_file;
    std::unique_ptr<QSvgRenderer> m_renderer;
    bool m_hasPng = false;
    QPixmap m_scaled[UiScale::kLevels];
};
