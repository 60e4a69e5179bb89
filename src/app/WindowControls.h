// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "widgets/OakPushButton.h"
#include "widgets/UiSettings.h"

#include <QRect>
#include <QWidget>

// Small helpers the window's parts share to make and place their controls.
namespace WindowControls {

// Places a control at its design rectangle times the current scale.
inline void place(QWidget* widget, const UiSettings& ui, const QRect& design)
{
    widget->setGeometry(ui.scaled(design.x()), ui.scaled(design.y()), ui.scaled(design.width()),
                        ui.scaled(design.height()));
}

// A text button of the window, in the theme colour and reachable from the
// keyboard.
inline OakPushButton* textButton(QWidget* parent, const char* objectName, const UiSettings& ui)
{
    auto* button = new OakPushButton(parent);
    button->setObjectName(QLatin1String(objectName));
    button->setThemeColor(ui.themeColor());
    button->setFocusPolicy(Qt::StrongFocus);
    return button;
}

// An image button; its accessible name is set with the texts.
inline OakPushButton* imageButton(QWidget* parent, const char* objectName, const UiSettings& ui,
                                  const QString& normal, const QString& hover = QString(),
                                  const QString& pressed = QString())
{
    OakPushButton* button = textButton(parent, objectName, ui);
    button->setImages(normal, hover, pressed);
    return button;
}

} // namespace WindowControls
