// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/UserInput.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QMenu>
#include <QTest>
#include <QTimer>

#include <memory>

namespace UserInput {

namespace {

QPoint pointIn(QWidget* control, QPoint local)
{
    return local == QPoint(-1, -1) ? control->rect().center() : local;
}

} // namespace

QWidget* reachedAt(QWidget* control, QPoint local)
{
    QWidget* window = control->window();
    const QPoint at = control->mapTo(window, pointIn(control, local));
    QWidget* hit = window->childAt(at);
    return hit ? hit : window;
}

bool reaches(QWidget* control, QPoint local)
{
    QWidget* hit = reachedAt(control, local);
    return hit == control || control->isAncestorOf(hit);
}

bool click(QWidget* control, QPoint local)
{
    QWidget* hit = reachedAt(control, local);
    const QPoint at =
        hit->mapFrom(control->window(), control->mapTo(control->window(), pointIn(control, local)));
    QTest::mouseClick(hit, Qt::LeftButton, Qt::NoModifier, at);
    return hit == control || control->isAncestorOf(hit);
}

bool press(QWidget* control)
{
    QWidget* hit = reachedAt(control);
    const QPoint at =
        hit->mapFrom(control->window(), control->mapTo(control->window(), pointIn(control, {-1, -1})));
    QTest::mousePress(hit, Qt::LeftButton, Qt::NoModifier, at);
    QTest::mouseRelease(hit, Qt::LeftButton, Qt::NoModifier, at);
    return hit == control || control->isAncestorOf(hit);
}

void type(QWidget* field, const QString& text)
{
    field->setFocus(Qt::TabFocusReason);
    QTest::keyClicks(field, text);
}

void key(QWidget* widget, Qt::Key key)
{
    widget->setFocus(Qt::TabFocusReason);
    QTest::keyClick(widget, key);
}

bool chooseFromMenu(QAbstractButton* button, const QString& entry)
{
    auto found = std::make_shared<bool>(false);
    // The menu runs its own event loop: pick the entry from inside it.
    QTimer::singleShot(0, [found, entry] {
        auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        if (!menu)
            return;
        for (QAction* action : menu->actions()) {
            if (action->text() == entry && action->isEnabled()) {
                *found = true;
                QTest::mouseClick(menu, Qt::LeftButton, Qt::NoModifier,
                                  menu->actionGeometry(action).center());
                return;
            }
        }
        menu->close();
    });
    const bool reached = click(button);
    QApplication::processEvents();
    return reached && *found;
}

void whenDialogOpens(const std::function<void(QDialog*)>& work)
{
    auto* poll = new QTimer;
    auto tries = std::make_shared<int>(0);
    poll->setInterval(10);
    QObject::connect(poll, &QTimer::timeout, [poll, tries, work] {
        auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        if (!dialog && ++*tries < 500)
            return;
        poll->stop();
        poll->deleteLater();
        if (dialog && dialog->isVisible())
            work(dialog);
        else
            qWarning("no dialog opened");
    });
    poll->start();
}

} // namespace UserInput
