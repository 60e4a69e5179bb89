// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QMap>
#include <QPoint>
#include <QSize>
#include <QString>

// Where the button markers of a model's two pictures lie: the file
// "markers.ini" beside the pictures, one section per view ("Front",
// "Side") with the picture's file name and design size, and for each
// marker "button<record>/x" and "/y", its centre in design pixels.
class MouseMarkers
{
public:
    enum View
    {
        Front,
        Side
    };

    struct Picture
    {
        QString file; // the picture's file name, beside markers.ini
        QSize size;
        QMap<int, QPoint> markers; // record index (0 to 41) to centre
    };

    // A missing or damaged file gives views without markers; markers outside
    // the picture or with record indices out of range are dropped.
    static MouseMarkers read(const QString& path);

    const Picture& view(View view) const { return view == Front ? m_front : m_side; }

private:
    Picture m_front;
    Picture m_side;
};
