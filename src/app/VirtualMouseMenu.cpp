// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/VirtualMouseMenu.h"

#include "sim/VirtualMouse.h"

#include <QAction>
#include <QCoreApplication>
#include <QMenu>

namespace {

void addPlugAction(QMenu* menu, VirtualMouse& mouse, const QString& text, VirtualIdentity identity)
{
    QAction* action = menu->addAction(text);
    action->setCheckable(true);
    action->setChecked(mouse.isPlugged(identity));
    QObject::connect(action, &QAction::toggled, menu, [&mouse, identity](bool plugged) {
        if (plugged)
            mouse.plug(identity);
        else
            mouse.unplug(identity);
    });
}

} // namespace

QMenu* createVirtualMouseMenu(VirtualMouse& mouse)
{
    auto* menu = new QMenu(QCoreApplication::translate("MousecfgWidget", "Virtual mouse"));
    addPlugAction(menu, mouse, QCoreApplication::translate("MousecfgWidget", "Receiver plugged in"),
                  VirtualIdentity::Receiver);
    addPlugAction(menu, mouse, QCoreApplication::translate("MousecfgWidget", "Cable plugged in"),
                  VirtualIdentity::Cable);
    QObject::connect(menu->addAction(QCoreApplication::translate("MousecfgWidget", "Press the DPI button")),
                     &QAction::triggered, menu, [&mouse] { mouse.pressDpiButton(); });
    return menu;
}
