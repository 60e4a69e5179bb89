// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "QtCompat.h"
#include <QLabel>

// The label of the widget kit: says when the pointer comes over it and when
// it is pressed, so a label can act as a link or a hover target.
class OakLabel : public QLabel
{
    Q_OBJECT

public:
    explicit OakLabel(QWidget* parent = nullptr);

Q_SIGNALS:
    void EnterSignal(OakLabel* label);
    void clicked();

protected:
    void enterEvent(compat::EnterEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
};
