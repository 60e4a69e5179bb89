// SPDX-License-Identifier: GPL-3.0-or-later
#include "editors/lighting/LightingLook.h"

#include "widgets/KitStyle.h"

namespace LightingLook {

QString buttonStyle(const QColor& accent, double scale, bool menuButton)
{
    const auto px = [scale](int design) {
        return QString::number(qMax(1, int(design * scale))) + QStringLiteral("px");
    };
    return QStringLiteral("QPushButton { color: %1; background: %2; border: 1px solid %3; border-radius: %4;"
                          " padding-left: %5; padding-right: %5; text-align: %10; }"
                          "QPushButton:hover { background: %6; }"
                          "QPushButton:focus, QPushButton:pressed { border: %7 solid %8; }"
                          "QPushButton:disabled { color: %9; }")
        .arg(KitStyle::kText.name(), KitStyle::kPanel.name(), KitStyle::kHairline.name(), px(4), px(12),
             KitStyle::kPanelHover.name(), px(2), accent.name(), KitStyle::kDisabledText.name())
        .arg(menuButton ? QStringLiteral("left") : QStringLiteral("center"));
}

QString captionStyle()
{
    return QStringLiteral("QLabel { color: %1; background: transparent; }")
        .arg(KitStyle::kSecondaryText.name());
}

QString noteStyle(const QColor& accent)
{
    return QStringLiteral("QLabel { color: %1; background: transparent; }").arg(accent.name());
}

} // namespace LightingLook
