#include "app/BackgroundCache.h"

BackgroundCache::BackgroundCache(const QString& imageFile) : m_source(imageFile) {}

const QPixmap& BackgroundCache::forLevel(int level, const QSize& size)
{
    QPixmap& slot = m_scaled[qBound(0, level, UiScale::kLevels - 1)];
    if (slot.isNull() && hasImage())
        slot = m_source.scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    return slot;
}
