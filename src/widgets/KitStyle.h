// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "widgets/UiScale.h"

#include <QColor>
#include <QString>

// The look of the standard controls (sliders, radio buttons, check boxes,
// spin boxes, line edits, menus, lists, scroll bars, tool tips, and the
// toolkit's file dialog, which takes the sheet of the window it opens over)
// as one style sheet: dark panels, light text, the theme colour as the one accent for
// what is active. Every size is a design size times the scale factor.
namespace KitStyle {

// Colours of the dark theme.
const QColor kPanel(0x24, 0x27, 0x2E);
const QColor kPanelHover(0x2E, 0x32, 0x3A);
const QColor kHairline(0x32, 0x36, 0x3E);
const QColor kText(0xE8, 0xEA, 0xED);
const QColor kSecondaryText(0x9A, 0xA0, 0xA8);
const QColor kDisabledText(0x5C, 0x62, 0x6B);
const QColor kBackground(0x1B, 0x1D, 0x22);

QString styleSheet(const QColor& accent, const UiScale& scale);

} // namespace KitStyle
