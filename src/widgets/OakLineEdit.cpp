// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/OakLineEdit.h"

OakLineEdit::OakLineEdit(QWidget* parent) : QLineEdit(parent) {}

void OakLineEdit::focusOutEvent(QFocusEvent* event)
{
    QLineEdit::focusOutEvent(event);
    Q_EMIT oakLostFocus();
}
