// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "widgets/UiScale.h"

#include <QPixmap>
#include <QSize>
#include <QString>

// The window background, drawn once per scale level at the window's size
// (from its SVG source when the skin has one) and kept.
class BackgroundCache
{
public:
    explicit BackgroundCache(const QString& imageFile);

    bool hasImage() const { return m_hasImage; }
    // The background for a level, made at the given size on first use; a null
    // pixmap when the image could not be loaded.
    const QPixmap& forLevel(int level, const QSize& size);

private:
    QString m_file;
    bool m_hasImage = false;
    QPixmap m_scaled[UiScale::kLevels];
};
