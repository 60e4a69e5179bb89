// SPDX-License-Identifier: GPL-3.0-or-later
#include "OsdWindow.h"

#include <QGuiApplication>
#include <QPainter>
#include <QPainterPath>
#include <QRegion>
#include <QScreen>
#include <QTimer>

namespace {

constexpr int kTextPixels = 40;
constexpr int kPaddingX = 32;
constexpr int kPaddingY = 16;
// Longer times in a message are cut: a text must not stay forever.
constexpr int kLongestMs = 10000;

} // namespace

OsdWindow::OsdWindow(QWidget* parent) : QWidget(parent), m_hide(new QTimer(this))
{
    setObjectName(QStringLiteral("osdWindow"));
    setWindowFlags(Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint | Qt::Tool |
                   Qt::WindowTransparentForInput | Qt::WindowDoesNotAcceptFocus |
                   Qt::X11BypassWindowManagerHint);
    setAttribute(Qt::WA_TranslucentBackground);
    setAttribute(Qt::WA_ShowWithoutActivating);
    m_hide->setSingleShot(true);
    connect(m_hide, &QTimer::timeout, this, &QWidget::hide);
}

QFont OsdWindow::textFont() const
{
    QFont font(m_message.fontName.isEmpty() ? QStringLiteral("Sans Serif") : m_message.fontName);
    font.setPixelSize(kTextPixels);
    font.setBold(true);
    return font;
}

void OsdWindow::showMessage(const OsdRecord::Message& message)
{
    m_message = message;
    setAccessibleName(message.text);
    const QFontMetrics metrics(textFont());
    resize(metrics.horizontalAdvance(message.text) + 2 * kPaddingX, metrics.height() + 2 * kPaddingY);
    place();
    // Without a compositing manager the translucent corners would show
    // black: the window's shape is the panel itself.
    QPainterPath panel;
    panel.addRoundedRect(QRectF(rect()), height() / 2.0, height() / 2.0);
    setMask(QRegion(panel.toFillPolygon().toPolygon()));
    show();
    update();
    m_hide->start(qBound(1, message.durationMs, kLongestMs));
}

void OsdWindow::place()
{
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (!screen)
        return;
    const QRect area = screen->availableGeometry();
    move(area.center().x() - width() / 2, area.bottom() - height() - area.height() / 10);
}

void OsdWindow::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    QPainterPath panel;
    panel.addRoundedRect(QRectF(rect()), height() / 2.0, height() / 2.0);
    const int alpha = qBound(0, m_message.opacityPercent, 100) * 255 / 100;
    painter.fillPath(panel, QColor(22, 24, 28, alpha));
    painter.setFont(textFont());
    painter.setPen(m_message.colour.isValid() ? m_message.colour : QColor(232, 234, 237));
    painter.drawText(rect(), Qt::AlignCenter, m_message.text);
}
