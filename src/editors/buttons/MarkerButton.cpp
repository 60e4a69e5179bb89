// SPDX-License-Identifier: GPL-3.0-or-later
#include "editors/buttons/MarkerButton.h"

#include "widgets/KitStyle.h"

#include <QPainter>

MarkerButton::MarkerButton(int record, QWidget* parent) : QAbstractButton(parent), m_record(record)
{
    setObjectName(QStringLiteral("marker%1").arg(record));
    setFocusPolicy(Qt::StrongFocus);
    setCursor(Qt::PointingHandCursor);
}

void MarkerButton::setImages(const QPixmap& normal, const QPixmap& highlighted)
{
    m_normal = normal;
    m_highlightedImage = highlighted;
    update();
}

void MarkerButton::setAccent(const QColor& accent)
{
    m_accent = accent;
    update();
}

void MarkerButton::setHighlighted(bool highlighted)
{
    m_highlighted = highlighted;
    update();
}

void MarkerButton::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const bool lit = m_highlighted || m_hover || isDown();
    if (!m_normal.isNull()) {
        painter.drawPixmap(rect(), lit && !m_highlightedImage.isNull() ? m_highlightedImage : m_normal);
    } else {
        const QRectF circle = QRectF(rect()).adjusted(1, 1, -1, -1);
        painter.setPen(QPen(lit ? m_accent : KitStyle::kSecondaryText, 1.5));
        painter.setBrush(lit ? m_accent : KitStyle::kPanel);
        painter.drawEllipse(circle);
        painter.setPen(lit ? KitStyle::kBackground : KitStyle::kText);
        QFont numberFont = font();
        numberFont.setPixelSize(qMax(8, height() / 2));
        numberFont.setBold(true);
        painter.setFont(numberFont);
        painter.drawText(rect(), Qt::AlignCenter, text());
    }
    if (hasFocus()) {
        painter.setBrush(Qt::NoBrush);
        painter.setPen(QPen(m_accent, 1, Qt::DotLine));
        painter.drawRect(QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5));
    }
}

void MarkerButton::enterEvent(compat::EnterEvent* event)
{
    m_hover = true;
    update();
    Q_EMIT hovered(m_record, true);
    QAbstractButton::enterEvent(event);
}

void MarkerButton::leaveEvent(QEvent* event)
{
    m_hover = false;
    update();
    Q_EMIT hovered(m_record, false);
    QAbstractButton::leaveEvent(event);
}
