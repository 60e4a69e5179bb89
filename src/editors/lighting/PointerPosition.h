#pragma once

#include <QMouseEvent>
#include <QtGlobal>

// Where a mouse event happened, in the widget's coordinates: pos() is
// deprecated in Qt 6, position() does not exist in Qt 5.
inline QPoint pointerPosition(const QMouseEvent* event)
{
#if QT_VERSION >= QT_VERSION_CHECK(6, 0, 0)
    return event->position().toPoint();
#else
    return event->pos();
#endif
}
