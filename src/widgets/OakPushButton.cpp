#include "widgets/OakPushButton.h"

#include <QPainter>

OakPushButton::OakPushButton(QWidget* parent) : QPushButton(parent)
{
    setFlat(true);
    setCursor(Qt::PointingHandCursor);
    setFocusPolicy(Qt::NoFocus);
}

void OakPushButton::setImages(const QString& normal, const QString& hover, const QString& pressed)
{
    m_images[0] = QPixmap(normal);
    m_images[1] = hover.isEmpty() ? QPixmap() : QPixmap(hover);
    m_images[2] = pressed.isEmpty() ? QPixmap() : QPixmap(pressed);
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

#if QT_VERSION >= QT_VERSION_CHECK(6, 0, 0)
void OakPushButton::enterEvent(QEnterEvent* event)
#else
void OakPushButton::enterEvent(QEvent* event)
#endif
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

const QPixmap& OakPushButton::imageForState() const
{
    const int state = (isDown() || m_highlighted || isChecked()) ? 2 : (m_hovered ? 1 : 0);
    return m_images[state].isNull() ? m_images[0] : m_images[state];
}

void OakPushButton::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    if (hasImages()) {
        painter.drawPixmap(rect(), imageForState());
        return;
    }
    painter.setRenderHint(QPainter::Antialiasing);
    const bool active = isDown() || m_highlighted || isChecked();
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
}
