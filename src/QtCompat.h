#pragma once

// The few places where Qt 5 and Qt 6 differ in spelling.

#include <QMouseEvent>
#include <QtGlobal>

namespace compat {

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

} // namespace compat
