// SPDX-License-Identifier: GPL-3.0-or-later
#include "editors/lighting/DefaultColorArea.h"

#include "QtCompat.h"
#include "widgets/KitStyle.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>

DefaultColorArea::DefaultColorArea(QWidget* parent) : QWidget(parent)
{
    setFocusPolicy(Qt::StrongFocus);
    setCursor(Qt::PointingHandCursor);
}

void DefaultColorArea::setColor(const QColor& color)
{
    m_color = color;
    update();
}

void DefaultColorArea::setLook(const QColor& accent, double scale)
{
    m_accent = accent;
    m_scale = scale;
    update();
}

void DefaultColorArea::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const qreal ring = 2 * m_scale;
    const QRectF outer = QRectF(rect()).adjusted(ring / 2, ring / 2, -ring / 2, -ring / 2);
    const QRectF inner = outer.adjusted(ring * 1.5, ring * 1.5, -ring * 1.5, -ring * 1.5);
    const qreal radius = 4 * m_scale;

    QPainterPath swatch;
    swatch.addRoundedRect(inner, radius, radius);
    if (m_color.isValid()) {
        painter.fillPath(swatch, m_color);
    } else {
        painter.fillPath(swatch, KitStyle::kPanel);
        painter.setPen(QPen(KitStyle::kSecondaryText, m_scale));
        painter.drawLine(inner.bottomLeft(), inner.topRight());
    }
    painter.setPen(QPen(KitStyle::kHairline, m_scale));
    painter.drawPath(swatch);

    if (hasFocus() || m_pressed) {
        painter.setPen(QPen(m_accent, ring));
        painter.setBrush(Qt::NoBrush);
        painter.drawRoundedRect(outer, radius + ring, radius + ring);
    }
}

void DefaultColorArea::mousePressEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton)
        return QWidget::mousePressEvent(event);
    m_pressed = true;
    update();
}

void DefaultColorArea::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton || !m_pressed)
        return QWidget::mouseReleaseEvent(event);
    m_pressed = false;
    update();
    if (rect().contains(compat::position(event)))
        Q_EMIT ClickedSignal();
}

void DefaultColorArea::keyPressEvent(QKeyEvent* event)
{
    switch (event->key()) {
    case Qt::Key_Space:
    case Qt::Key_Return:
    case Qt::Key_Enter:
        Q_EMIT ClickedSignal();
        return;
    default:
        QWidget::keyPressEvent(event);
    }
}
