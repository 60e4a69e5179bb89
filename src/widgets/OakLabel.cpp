// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/OakLabel.h"

#include <QKeyEvent>
#include <QMouseEvent>

OakLabel::OakLabel(QWidget* parent) : QLabel(parent) {}

void OakLabel::enterEvent(compat::EnterEvent* event)
{
    Q_EMIT EnterSignal(this);
    QLabel::enterEvent(event);
}

// The press, not the release, counts: the label is no button and has no
// pressed look to undo.
void OakLabel::mousePressEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton) {
        Q_EMIT clicked();
        event->accept();
        return;
    }
    QLabel::mousePressEvent(event);
}

// A label that takes the focus (a link) is pressed from the keyboard too.
void OakLabel::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter || event->key() == Qt::Key_Space) {
        Q_EMIT clicked();
        event->accept();
        return;
    }
    QLabel::keyPressEvent(event);
}
