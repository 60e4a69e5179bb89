// SPDX-License-Identifier: GPL-3.0-or-later
#include "editors/lighting/SVColorArea.h"

#include "QtCompat.h"
#include "protocol/ColourModel.h"
#include "widgets/KitStyle.h"

#include <QKeyEvent>
#include <QLinearGradient>
#include <QMouseEvent>
#include <QPainter>
#include <algorithm>

namespace {

constexpr int kMax = ColourModel::kMaxComponent;
constexpr int kShiftStep = 16;

int bounded(int component)
{
    return std::clamp(component, 0, kMax);
}

} // namespace

SVColorArea::SVColorArea(QWidget* parent) : QWidget(parent)
{
    setFocusPolicy(Qt::StrongFocus);
    setCursor(Qt::CrossCursor);
}

void SVColorArea::setSaturationValue(int saturation, int value)
{
    m_saturation = bounded(saturation);
    m_value = bounded(value);
    update();
}

void SVColorArea::setLook(const QColor& accent, double scale)
{
    m_accent = accent;
    m_scale = scale;
    update();
}

void SVColorArea::hueChangedSlot(int hue)
{
    m_hue = std::clamp(hue, 0, ColourModel::kMaxHue);
    update();
}

// Room around the square for the marker and the focus ring.
QRectF SVColorArea::squareRect() const
{
    const qreal margin = 8 * m_scale;
    return QRectF(rect()).adjusted(margin, margin, -margin, -margin);
}

void SVColorArea::pick(int saturation, int value)
{
    saturation = bounded(saturation);
    value = bounded(value);
    if (saturation == m_saturation && value == m_value)
        return;
    setSaturationValue(saturation, value);
    Q_EMIT svChangedSignal(m_hue, m_saturation, m_value);
}

void SVColorArea::pickAt(const QPoint& position)
{
    const QRectF square = squareRect();
    if (square.width() <= 0 || square.height() <= 0)
        return;
    const qreal x = (position.x() - square.left()) / square.width();
    const qreal y = (square.bottom() - position.y()) / square.height();
    pick(qRound(x * kMax), qRound(y * kMax));
}

void SVColorArea::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF square = squareRect();
    painter.fillRect(square, QColor::fromHsv(m_hue % ColourModel::kMaxHue, kMax, kMax));
    QLinearGradient whiteToHue(square.topLeft(), square.topRight());
    whiteToHue.setColorAt(0, Qt::white);
    whiteToHue.setColorAt(1, QColor(255, 255, 255, 0));
    painter.fillRect(square, whiteToHue);
    QLinearGradient clearToBlack(square.topLeft(), square.bottomLeft());
    clearToBlack.setColorAt(0, QColor(0, 0, 0, 0));
    clearToBlack.setColorAt(1, Qt::black);
    painter.fillRect(square, clearToBlack);
    painter.setPen(QPen(KitStyle::kHairline, m_scale));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(square);

    if (hasFocus()) {
        const qreal ring = 2 * m_scale;
        painter.setPen(QPen(m_accent, ring));
        painter.drawRect(square.adjusted(-ring, -ring, ring, ring));
    }

    // The marker: a ring, white on dark colours and black on light ones.
    const QPointF point(square.left() + square.width() * m_saturation / kMax,
                        square.bottom() - square.height() * m_value / kMax);
    const bool light = m_value > 160 && m_saturation < 100;
    painter.setPen(QPen(light ? Qt::black : Qt::white, 2 * m_scale));
    painter.drawEllipse(point, 5 * m_scale, 5 * m_scale);
}

void SVColorArea::mousePressEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton)
        return QWidget::mousePressEvent(event);
    setFocus(Qt::MouseFocusReason);
    pickAt(compat::position(event));
}

void SVColorArea::mouseMoveEvent(QMouseEvent* event)
{
    if (event->buttons() & Qt::LeftButton)
        pickAt(compat::position(event));
}

void SVColorArea::keyPressEvent(QKeyEvent* event)
{
    const int step = (event->modifiers() & Qt::ShiftModifier) ? kShiftStep : 1;
    switch (event->key()) {
    case Qt::Key_Left:
        return pick(m_saturation - step, m_value);
    case Qt::Key_Right:
        return pick(m_saturation + step, m_value);
    case Qt::Key_Up:
        return pick(m_saturation, m_value + step);
    case Qt::Key_Down:
        return pick(m_saturation, m_value - step);
    default:
        QWidget::keyPressEvent(event);
    }
}
