// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/OakPushButton.h"

#include "widgets/SkinImage.h"

#include <QFocusEvent>
#include <QKeyEvent>
#include <QPainter>

OakPushButton::OakPushButton(QWidget* parent) : QPushButton(parent)
{
    setFlat(true);
    setCursor(Qt::PointingHandCursor);
    setFocusPolicy(Qt::NoFocus);
}

void OakPushButton::setImages(const QString& normal, const QString& hover, const QString& pressed)
{
    const auto readable = [](const QString& file) { return SkinImage::exists(file) ? file : QString(); };
    m_images[0] = readable(normal);
    m_images[1] = readable(hover);
    m_images[2] = readable(pressed);
    update();
}

void OakPushButton::setThemeColor(const QColor& color)
{
    m_themeColor = color;
    update();
}

void OakPushButton::setHighlighted(bool highlighted)
{
    m_highlighted = highlighted;
    update();
}

void OakPushButton::setMarked(bool marked, const QString& description)
{
    setAccessibleDescription(marked ? description : QString());
    if (marked == m_marked)
        return;
    m_marked = marked;
    update();
}

void OakPushButton::enterEvent(compat::EnterEvent* event)
{
    m_hovered = true;
    update();
    Q_EMIT EnterSignal(this);
    Q_EMIT OverSignal(this, true);
    QPushButton::enterEvent(event);
}

void OakPushButton::leaveEvent(QEvent* event)
{
    m_hovered = false;
    update();
    Q_EMIT OverSignal(this, false);
    QPushButton::leaveEvent(event);
}

QPixmap OakPushButton::imageForState() const
{
    const int state = (isDown() || m_highlighted || isChecked()) ? 2 : (m_hovered ? 1 : 0);
    const QString& file = m_images[state].isEmpty() ? m_images[0] : m_images[state];
    const qreal ratio = devicePixelRatioF();
    QPixmap image = SkinImage::pixmap(file, size() * ratio, m_themeColor);
    image.setDevicePixelRatio(ratio);
    return image;
}

void OakPushButton::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    if (hasImages()) {
        if (!isEnabled())
            painter.setOpacity(0.4);
        painter.drawPixmap(rect(), imageForState());
        paintMark(painter);
        paintFocus(painter);
        return;
    }
    painter.setRenderHint(QPainter::Antialiasing);
    const bool active = isDown() || m_highlighted || isChecked();
    // A text button sits on a panel of its own, lighter under the pointer.
    painter.setPen(Qt::NoPen);
    painter.setBrush(m_hovered && isEnabled() ? QColor(0x34, 0x38, 0x41) : QColor(0x2C, 0x30, 0x38));
    painter.drawRoundedRect(QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5), 3, 3);
    if (active || m_hovered) {
        QColor frame = m_themeColor;
        frame.setAlpha(active ? 255 : 120);
        painter.setPen(QPen(frame, 1));
        painter.setBrush(Qt::NoBrush);
        painter.drawRoundedRect(QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5), 3, 3);
    }
    painter.setPen(isEnabled() ? (active ? m_themeColor : QColor(220, 222, 226)) : QColor(110, 112, 118));
    painter.setFont(font());
    painter.drawText(rect(), Qt::AlignCenter, text());
    paintMark(painter);
    paintFocus(painter);
}

void OakPushButton::paintMark(QPainter& painter)
{
    if (!m_marked)
        return;
    painter.setOpacity(1.0);
    painter.setRenderHint(QPainter::Antialiasing);
    const qreal radius = qMax(2.5, height() / 10.0);
    const QPointF centre(width() - 2.5 * radius, 2.5 * radius);
    painter.setPen(Qt::NoPen);
    painter.setBrush(isEnabled() ? m_themeColor : QColor(110, 112, 118));
    painter.drawEllipse(centre, radius, radius);
}

// Keyboard users always see where they are: a dashed ring in the accent.
void OakPushButton::paintFocus(QPainter& painter)
{
    if (!hasFocus() || !m_keyboardFocus)
        return;
    painter.setOpacity(1.0);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(m_themeColor, 1, Qt::DashLine));
    painter.setBrush(Qt::NoBrush);
    painter.drawRoundedRect(QRectF(rect()).adjusted(1.5, 1.5, -1.5, -1.5), 3, 3);
}

void OakPushButton::focusInEvent(QFocusEvent* event)
{
    m_keyboardFocus = event->reason() == Qt::TabFocusReason || event->reason() == Qt::BacktabFocusReason ||
                      event->reason() == Qt::ShortcutFocusReason;
    QPushButton::focusInEvent(event);
}

void OakPushButton::focusOutEvent(QFocusEvent* event)
{
    m_keyboardFocus = false;
    QPushButton::focusOutEvent(event);
}

// Enter presses a button as Space does, also outside dialogs.
void OakPushButton::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        animateClick();
        event->accept();
        return;
    }
    QPushButton::keyPressEvent(event);
}
