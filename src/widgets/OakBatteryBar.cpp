// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/OakBatteryBar.h"

#include <QtMath>

OakBatteryBar::OakBatteryBar(QWidget* parent) : QProgressBar(parent)
{
    setOrientation(Qt::Horizontal);
    setRange(0, 100);
    setAlignment(Qt::AlignCenter);
}

QString OakBatteryBar::styleSheetFor(Look look, const QColor& themeColor, qreal scaleFactor)
{
    const int textSize = qFloor(16 * scaleFactor);
    const QString bar = look == Look::Off ? QStringLiteral("rgb(100,100,100)") : QStringLiteral("white");
    const QString chunk = look == Look::Off ? QStringLiteral("rgb(100,100,100)") : themeColor.name();
    const QString text = look == Look::Off ? QStringLiteral("white") : QStringLiteral("black");
    return QStringLiteral("QProgressBar { background: %1; border: none; border-radius: 2px; color: %3;"
                          " font-weight: bold; font-size: %4px; text-align: center; }"
                          " QProgressBar::chunk { background: %2; border-radius: 2px; }")
        .arg(bar, chunk, text)
        .arg(textSize);
}

void OakBatteryBar::setLook(Look look, const QColor& themeColor, qreal scaleFactor)
{
    m_look = look;
    // Every report sets the look: a style sheet set again re-polishes the
    // bar, so only a change is applied.
    const QString sheet = styleSheetFor(look, themeColor, scaleFactor);
    if (sheet != styleSheet())
        setStyleSheet(sheet);
}
