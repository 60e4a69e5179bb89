// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>
#include <QFont>
#include <QString>

class PageEnvironment;

// The look the two performance pages share.
namespace PerformanceLook {

// The interface font at a design pixel size, scaled.
QFont font(const PageEnvironment& environment, int designPixels, bool bold = false);
// Push buttons as panels with a hairline, the accent on focus and hover.
QString buttonSheet(const PageEnvironment& environment);
QString captionSheet();

} // namespace PerformanceLook
