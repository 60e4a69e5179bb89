// SPDX-License-Identifier: GPL-3.0-or-later
#include "editors/performance/PerformanceLook.h"

#include "editors/PageEnvironment.h"
#include "widgets/KitStyle.h"

#include <algorithm>

namespace PerformanceLook {

QFont font(const PageEnvironment& environment, int designPixels, bool bold)
{
    QFont f = environment.ui().font();
    f.setPixelSize(std::max(1, environment.scaled(designPixels)));
    f.setBold(bold);
    return f;
}

QString buttonSheet(const PageEnvironment& environment)
{
    const QColor accent = environment.ui().themeColor();
    return QStringLiteral(
               "QPushButton { color: %1; background: %2; border: 1px solid %3; border-radius: %4px;"
               " padding: 0 %5px; }"
               "QPushButton:hover { background: %6; }"
               "QPushButton:focus, QPushButton:pressed { border-color: %7; }"
               "QPushButton::menu-indicator { width: 0; }")
        .arg(KitStyle::kText.name(), KitStyle::kPanel.name(), KitStyle::kHairline.name())
        .arg(std::max(1, environment.scaled(4)))
        .arg(environment.scaled(8))
        .arg(KitStyle::kPanelHover.name(), accent.name());
}

QString captionSheet()
{
    return QStringLiteral("color: %1").arg(KitStyle::kSecondaryText.name());
}

} // namespace PerformanceLook
