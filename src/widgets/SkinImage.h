// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>
#include <QImage>
#include <QPixmap>
#include <QSize>
#include <QString>

// Skin images, asked for by the path of their PNG file and the pixel size at
// which they are shown. The skin folder holds each image twice: the PNG drawn
// at design size and the SVG it was drawn from. The SVG is rendered at exactly
// the size asked for, so every scale level stays sharp; without a usable SVG
// the PNG is scaled smoothly.
//
// Accent-coloured parts are drawn in the sample accent (255, 125, 0, written
// "#ff7d00" in the SVG sources); given another accent, the loader paints them
// in that colour instead.
class SkinImage
{
public:
    static QColor sampleAccent() { return QColor(255, 125, 0); }

    // The image at exactly `size` pixels, accent parts in `accent` (an invalid
    // colour keeps the sample accent). A null pixmap when neither file gives
    // an image. Results are cached by path, size and accent; a skin file is
    // not expected to change while the program runs.
    static QPixmap pixmap(const QString& pngPath, const QSize& size, const QColor& accent = QColor());

    // The size the image was designed at (the SVG's own size, else the PNG's);
    // invalid when neither file gives an image.
    static QSize designSize(const QString& pngPath);
    static bool exists(const QString& pngPath) { return designSize(pngPath).isValid(); }

    // The SVG that belongs to a PNG: same folder and base name.
    static QString svgPathFor(const QString& pngPath);
    // That SVG's text, or empty when there is none of a sane size.
    static QByteArray svgFor(const QString& pngPath);

    // Renders SVG text at a size with its accent parts recoloured; a null
    // image when the text is not a drawable SVG or the size is unreasonable.
    static QImage renderSvg(const QByteArray& svg, const QSize& size, const QColor& accent = QColor());

    // Largest image the loader makes, in pixels per side: well above the
    // window background at the highest scale level.
    static constexpr int kMaxSide = 8192;

private:
    static QImage loadImage(const QString& pngPath, const QSize& size, const QColor& accent);
    static QImage scaledPng(const QString& pngPath, const QSize& size, const QColor& accent);
};
