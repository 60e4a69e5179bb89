// SPDX-License-Identifier: GPL-3.0-or-later
#include "editors/lighting/EffectButton.h"

#include "widgets/KitStyle.h"

#include <QMenu>
#include <QPainter>
#include <QPainterPath>

EffectButton::EffectButton(QWidget* parent) : QPushButton(parent), m_menu(new QMenu(this))
{
    connect(this, &QPushButton::clicked, this, &EffectButton::dropMenu);
}

void EffectButton::setScale(double scale)
{
    m_scale = scale;
    update();
}

void EffectButton::dropMenu()
{
    m_menu->setMinimumWidth(width());
    m_menu->popup(mapToGlobal(rect().bottomLeft()));
}

void EffectButton::paintEvent(QPaintEvent* event)
{
    QPushButton::paintEvent(event);
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(isEnabled() ? KitStyle::kSecondaryText : KitStyle::kDisabledText, 1.5 * m_scale,
                        Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    const qreal half = 4 * m_scale;
    const QPointF centre(width() - 16 * m_scale, height() / 2.0);
    QPainterPath chevron;
    chevron.moveTo(centre + QPointF(-half, -half / 2));
    chevron.lineTo(centre + QPointF(0, half / 2));
    chevron.lineTo(centre + QPointF(half, -half / 2));
    painter.drawPath(chevron);
}
