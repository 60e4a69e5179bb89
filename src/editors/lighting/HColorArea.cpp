// SPDX-License-Identifier: GPL-3.0-or-later
#include "editors/lighting/HColorArea.h"

#include "QtCompat.h"
#include "protocol/ColourModel.h"
#include "widgets/KitStyle.h"

#include <QKeyEvent>
#include <QLinearGradient>
#include <QMouseEvent>
#include <QPainter>
#include <algorithm>

namespace {

constexpr int kPageStep = 15;

} // namespace

HColorArea::HColorArea(QWidget* parent) : QWidget(parent)
{
    setFocusPolicy(Qt::StrongFocus);
    setCursor(Qt::PointingHandCursor);
}

void HColorArea::setHue(int hue)
{
    m_hue = std::clamp(hue, 0, ColourModel::kMaxHue);
    update();
}

void HColorArea::setLook(const QColor& accent, double scale)
{
    m_accent = accent;
    m_scale = scale;
    update();
}

// The bar leaves room above and below for the marker, and at the sides for
// the focus ring.
QRectF HColorArea::barRect() const
{
    const qreal margin = 4 * m_scale;
    return QRectF(rect()).adjusted(margin, margin, -margin, -margin);
}

int HColorArea::hueAt(int y) const
{
    const QRectF bar = barRect();
    if (bar.height() <= 0)
        return m_hue;
    const qreal fraction = (y - bar.top()) / bar.height();
    return std::clamp(qRound(fraction * ColourModel::kMaxHue), 0, ColourModel::kMaxHue);
}

void HColorArea::pick(int hue)
{
    hue = std::clamp(hue, 0, ColourModel::kMaxHue);
    if (hue == m_hue)
        return;
    setHue(hue);
    Q_EMIT hueChangedSignal(m_hue);
}

void HColorArea::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF bar = barRect();
    QLinearGradient gradient(bar.topLeft(), bar.bottomLeft());
    for (int hue = 0; hue <= ColourModel::kMaxHue; hue += 60)
        gradient.setColorAt(qreal(hue) / ColourModel::kMaxHue, QColor::fromHsv(hue % 360, 255, 255));
    const qreal radius = 3 * m_scale;
    painter.setPen(QPen(KitStyle::kHairline, m_scale));
    painter.setBrush(gradient);
    painter.drawRoundedRect(bar, radius, radius);

    if (hasFocus()) {
        painter.setPen(QPen(m_accent, 2 * m_scale));
        painter.setBrush(Qt::NoBrush);
        const qreal ring = 2 * m_scale;
        painter.drawRoundedRect(bar.adjusted(-ring, -ring, ring, ring), radius + ring, radius + ring);
    }

    // The marker: a light band with a dark edge, readable on every hue.
    const qreal y = bar.top() + bar.height() * m_hue / ColourModel::kMaxHue;
    const qreal half = 3 * m_scale;
    const QRectF marker(QRectF(rect()).left() + m_scale, y - half, width() - 2 * m_scale, 2 * half);
    painter.setPen(QPen(QColor(0, 0, 0, 160), m_scale));
    painter.setBrush(QColor(255, 255, 255, 230));
    painter.drawRoundedRect(marker, half, half);
}

void HColorArea::mousePressEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton)
        return QWidget::mousePressEvent(event);
    setFocus(Qt::MouseFocusReason);
    pick(hueAt(compat::position(event).y()));
}

void HColorArea::mouseMoveEvent(QMouseEvent* event)
{
    if (event->buttons() & Qt::LeftButton)
        pick(hueAt(compat::position(event).y()));
}

void HColorArea::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton)
        Q_EMIT mouseReleaseSignal();
}

void HColorArea::keyPressEvent(QKeyEvent* event)
{
    switch (event->key()) {
    case Qt::Key_Up:
    case Qt::Key_Left:
        return pick(m_hue - 1);
    case Qt::Key_Down:
    case Qt::Key_Right:
        return pick(m_hue + 1);
    case Qt::Key_PageUp:
        return pick(m_hue - kPageStep);
    case Qt::Key_PageDown:
        return pick(m_hue + kPageStep);
    case Qt::Key_Home:
        return pick(0);
    case Qt::Key_End:
        return pick(ColourModel::kMaxHue);
    default:
        QWidget::keyPressEvent(event);
    }
}
