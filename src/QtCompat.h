// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The few places where Qt 5 and Qt 6 differ in spelling.

#include <QMouseEvent>
#include <QtGlobal>

namespace compat {

// Where a mouse event happened, in the widget's coordinates.
inline QPoint position(const QMouseEvent* event)
{
#if QT_VERSION >= QT_VERSION_CHECK(6, 0, 0)
    return event->position().toPoint();
#else
    return event->pos();
#endif
}

inline QPoint globalPos(const QMouseEvent* event)
{
#if QT_VERSION >= QT_VERSION_CHECK(6, 0, 0)
    return event->globalPosition().toPoint();
#else
    return event->globalPos();
#endif
}

} // namespace compat

namespace compat {

// The result pointer of QWidget::nativeEvent.
#if QT_VERSION >= QT_VERSION_CHECK(6, 0, 0)
using NativeEventResult = qintptr;
#else
using NativeEventResult = long;
#endif

// The argument of QWidget::enterEvent.
#if QT_VERSION >= QT_VERSION_CHECK(6, 0, 0)
using EnterEvent = QEnterEvent;
#else
using EnterEvent = QEvent;
#endif

} // namespace compat
