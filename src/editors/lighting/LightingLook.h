// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>
#include <QString>

// The lighting page's and the colour editor's own looks, on top of the
// kit's style sheet: text buttons with a visible focus and a caption style.
namespace LightingLook {

// Push buttons (the effect button, APPLY, Cancel): panel, hairline, accent
// outline when pressed or focused, faded when disabled. A menu button keeps
// its text at the left.
QString buttonStyle(const QColor& accent, double scale, bool menuButton = false);
// Captions in the secondary text colour.
QString captionStyle();
// The note that explains a refused entry.
QString noteStyle(const QColor& accent);

} // namespace LightingLook
