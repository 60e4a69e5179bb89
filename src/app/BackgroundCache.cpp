// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/BackgroundCache.h"

#include "widgets/SkinImage.h"

BackgroundCache::BackgroundCache(const QString& imageFile)
    : m_file(imageFile), m_hasImage(SkinImage::exists(imageFile))
{
}

const QPixmap& BackgroundCache::forLevel(int level, const QSize& size)
{
    QPixmap& slot = m_scaled[qBound(0, level, UiScale::kLevels - 1)];
    if (slot.isNull() && m_hasImage)
        slot = SkinImage::pixmap(m_file, size);
    return slot;
}
