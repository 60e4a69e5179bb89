// SPDX-License-Identifier: GPL-3.0-or-later
#include "ReachTest.h"

#include "JourneyRig.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAbstractSlider>
#include <QAbstractSpinBox>
#include <QLineEdit>
#include <QScrollArea>
#include <QScrollBar>

namespace {

bool isControl(QWidget* widget)
{
    // A scroll bar shows only when there is something to scroll; the view it
    // belongs to is tested as a whole.
    if (qobject_cast<QScrollBar*>(widget))
        return false;
    return qobject_cast<QAbstractButton*>(widget) || qobject_cast<QAbstractSlider*>(widget) ||
           qobject_cast<QAbstractSpinBox*>(widget) || qobject_cast<QLineEdit*>(widget) ||
           qobject_cast<QAbstractItemView*>(widget) || widget->focusPolicy() != Qt::NoFocus;
}

QString describe(QWidget* widget)
{
    const QString name = widget->objectName().isEmpty() ? QLatin1String(widget->metaObject()->className())
                                                        : widget->objectName();
    QWidget* page = widget->parentWidget();
    while (page && page->parentWidget() && page->parentWidget() != widget->window())
        page = page->parentWidget();
    return page ? page->objectName() + QLatin1Char('/') + name : name;
}

} // namespace

void ReachTest::everyControlOfEveryTabIsReachedByThePointer()
{
    JourneyRig j;
    MousecfgWidget& window = j.open();
    // Run with QT_FONT_DPI=192 too: the window is then twice as large. With
    // Qt 5 it lays itself out at scale 2; Qt 6 scales every window by the
    // screen's pixel ratio instead and the window keeps scale 1.
    const QByteArray dpi = qgetenv("QT_FONT_DPI");
    if (!dpi.isEmpty())
        QCOMPARE(j.rig.ui().scale().factor * window.devicePixelRatioF(), dpi.toDouble() / 96.0);
    QStringList covered;
    int checked = 0;
    const char* tabs[] = {"lightingTab", "customizeTab", "dpiTab", "macroTab"};
    for (int tab = 0; tab < 4; ++tab) {
        QVERIFY(UserInput::press(j.button(tabs[tab])));
        QCOMPARE(window.shownTab(), tab);
        for (QWidget* widget : window.findChildren<QWidget*>()) {
            if (widget->window() != &window || !isControl(widget) || !widget->isVisibleTo(&window) ||
                !widget->isEnabled() || widget->width() <= 0 || widget->height() <= 0)
                continue;
            ++checked;
            // A control of a scrolled page is reached once the user has
            // scrolled to it.
            for (QWidget* up = widget->parentWidget(); up; up = up->parentWidget())
                if (auto* area = qobject_cast<QScrollArea*>(up))
                    area->ensureWidgetVisible(widget, 0, 0);
            if (!UserInput::reaches(widget))
                covered << QStringLiteral("%1 under %2 on tab %3")
                               .arg(describe(widget), describe(UserInput::reachedAt(widget)))
                               .arg(tab);
        }
    }
    QVERIFY(checked > 60);
    covered.removeDuplicates();
    QVERIFY2(covered.isEmpty(), qPrintable(covered.join(QLatin1Char('\n'))));
}
