#pragma once

#include "widgets/UiScale.h"

#include <QPixmap>
#include <QSize>

// The window background, scaled once per scale level and kept.
class BackgroundCache
{
public:
    explicit BackgroundCache(const QString& imageFile);

    bool hasImage() const { return !m_source.isNull(); }
    // The background for a level, made at the given size on first use; a null
    // pixmap when the image could not be loaded.
    const QPixmap& forLevel(int level, const QSize& size);

private:
    QPixmap m_source;
    QPixmap m_scaled[UiScale::kLevels];
};
