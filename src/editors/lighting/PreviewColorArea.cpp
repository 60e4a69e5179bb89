// SPDX-License-Identifier: GPL-3.0-or-later
#include "editors/lighting/PreviewColorArea.h"

#include "widgets/KitStyle.h"

#include <QPainter>
#include <QPainterPath>

PreviewColorArea::PreviewColorArea(QWidget* parent) : QWidget(parent) {}

void PreviewColorArea::setColor(const QColor& color)
{
    m_color = color;
    update();
}

void PreviewColorArea::setInitialColor(const QColor& color)
{
    m_initial = color;
    update();
}

void PreviewColorArea::setScale(double scale)
{
    m_scale = scale;
    update();
}

void PreviewColorArea::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF area = QRectF(rect()).adjusted(m_scale / 2, m_scale / 2, -m_scale / 2, -m_scale / 2);
    const qreal radius = 4 * m_scale;
    QPainterPath shape;
    shape.addRoundedRect(area, radius, radius);
    painter.save();
    painter.setClipPath(shape);
    const qreal split = area.top() + area.height() * 0.7;
    painter.fillRect(QRectF(area.left(), area.top(), area.width(), split - area.top()),
                     m_color.isValid() ? m_color : KitStyle::kPanel);
    painter.fillRect(QRectF(area.left(), split, area.width(), area.bottom() - split),
                     m_initial.isValid() ? m_initial : KitStyle::kPanel);
    painter.restore();
    painter.setPen(QPen(KitStyle::kHairline, m_scale));
    painter.drawPath(shape);
}
