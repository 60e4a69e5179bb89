// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QMenu;
class VirtualMouse;

// A menu that plugs and unplugs the virtual mouse and presses its DPI
// button, so that every device path can be tried by hand from the tray.
QMenu* createVirtualMouseMenu(VirtualMouse& mouse);
