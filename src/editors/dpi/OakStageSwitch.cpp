// SPDX-License-Identifier: GPL-3.0-or-later
#include "editors/dpi/OakStageSwitch.h"

#include "widgets/KitStyle.h"
#include "widgets/SkinImage.h"

#include <QPainter>

OakStageSwitch::OakStageSwitch(const QString& onImage, const QString& offImage, QWidget* parent)
    : QAbstractButton(parent), m_onImage(onImage), m_offImage(offImage)
{
    setCheckable(true);
    setFocusPolicy(Qt::StrongFocus);
    setCursor(Qt::PointingHandCursor);
}

void OakStageSwitch::setAccent(const QColor& accent)
{
    m_accent = accent;
    update();
}

void OakStageSwitch::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const QPixmap image = SkinImage::pixmap(isChecked() ? m_onImage : m_offImage, size(), m_accent);
    if (!image.isNull()) {
        painter.drawPixmap(rect(), image);
    } else {
        // Without the skin the box still tells on from off.
        painter.setPen(QPen(KitStyle::kSecondaryText, 1));
        painter.setBrush(isChecked() ? m_accent : KitStyle::kPanel);
        painter.drawRoundedRect(QRectF(rect()).adjusted(2.5, 2.5, -2.5, -2.5), 3, 3);
    }
    if (hasFocus()) {
        painter.setPen(QPen(m_accent.isValid() ? m_accent : KitStyle::kText, 1));
        painter.setBrush(Qt::NoBrush);
        painter.drawRoundedRect(QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5), 4, 4);
    }
}
