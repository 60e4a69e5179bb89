// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QLineEdit>

// The line edit of the widget kit: says when it loses the focus, so an
// edit that was not confirmed with Enter can be put back.
class OakLineEdit : public QLineEdit
{
    Q_OBJECT

public:
    explicit OakLineEdit(QWidget* parent = nullptr);

Q_SIGNALS:
    void oakLostFocus();

protected:
    void focusOutEvent(QFocusEvent* event) override;
};
