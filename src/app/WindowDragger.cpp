// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/WindowDragger.h"

#include "QtCompat.h"

#include <QMouseEvent>
#include <QWidget>

WindowDragger::WindowDragger(QWidget* window) : QObject(window), m_window(window)
{
    window->installEventFilter(this);
}

// Only presses on the window itself start a drag; its controls keep theirs.
bool WindowDragger::eventFilter(QObject* watched, QEvent* event)
{
    if (watched != m_window)
        return false;
    switch (event->type()) {
    case QEvent::MouseButtonPress: {
        auto* press = static_cast<QMouseEvent*>(event);
        if (press->button() != Qt::LeftButton)
            return false;
        m_dragging = true;
        m_pressPos = compat::globalPos(press);
        m_pressFramePos = m_window->frameGeometry().topLeft();
        return true;
    }
    case QEvent::MouseMove: {
        if (!m_dragging)
            return false;
        const QPoint delta = compat::globalPos(static_cast<QMouseEvent*>(event)) - m_pressPos;
        if (delta.manhattanLength() > 4)
            m_window->move(m_pressFramePos + delta);
        return true;
    }
    case QEvent::MouseButtonRelease:
        if (static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton)
            m_dragging = false;
        return false;
    default:
        return false;
    }
}
