#pragma once

#include <QByteArray>
#include <QColor>
#include <QImage>
#include <QList>

// Writes an endlessly looping animated GIF from opaque frames of one size.
// Qt reads GIF but does not write it; the loading animation is one.
// Colours come from a palette of blends between a few key colours, which
// suits antialiased drawings made of those colours.
class GifWriter
{
public:
    GifWriter(const QList<QColor>& keyColours, int frameDelayMs);

    QByteArray encode(const QList<QImage>& frames) const;

private:
    int nearest(QRgb pixel) const;
    void writeFrame(QByteArray& out, const QImage& frame) const;

    QList<QRgb> m_palette;
    int m_delayCentiseconds;
};
