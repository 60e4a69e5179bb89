// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QPoint>

class QWidget;

// Moves a frameless window dragged by its background with the left button:
// a move counts once it is more than 4 pixels (horizontal plus vertical)
// from the press.
class WindowDragger : public QObject
{
    Q_OBJECT
public:
    explicit WindowDragger(QWidget* window);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget* m_window;
    bool m_dragging = false;
    QPoint m_pressPos;
    QPoint m_pressFramePos;
};
