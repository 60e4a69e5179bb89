// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QPoint>
#include <QString>
#include <Qt>

#include <functional>

class QAbstractButton;
class QDialog;
class QWidget;

// Presses and types as a user does. A click goes where the pointer would
// go: to the widget that the top-level window's own hit test
// (QWidget::childAt) finds at the point, not to the control the test names.
// A control that another widget covers (a page whose rectangle lies over
// it, say) is therefore not reached: click() returns false, the covering
// widget gets the click, and the test that expected the control's reaction
// fails.
namespace UserInput {

// The widget a pointer at `local` (the control's centre by default) reaches.
QWidget* reachedAt(QWidget* control, QPoint local = QPoint(-1, -1));
// Whether the pointer at that point reaches the control or one of its parts.
bool reaches(QWidget* control, QPoint local = QPoint(-1, -1));
// A left click where the pointer would land; false when the control is not
// reached there (the click still goes to whatever is there).
bool click(QWidget* control, QPoint local = QPoint(-1, -1));
// A left press and, later, release; tabs act on the press.
bool press(QWidget* control);
// Focus as from the Tab key, then the keys.
void type(QWidget* field, const QString& text);
void key(QWidget* widget, Qt::Key key);
// Clicks a button that opens a menu, then the menu's entry of that text;
// false when the button is not reached or no such entry shows.
bool chooseFromMenu(QAbstractButton* button, const QString& entry);
// Works a modal dialog once it runs (within a few seconds): for the dialog
// that a click about to be made opens.
void whenDialogOpens(const std::function<void(QDialog*)>& work);

} // namespace UserInput
