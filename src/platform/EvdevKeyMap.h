// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QtGlobal>

// Linux input (evdev) key codes turned into the set-1 scan codes and the
// extended flag that a keyboard reports to the key dialogs on every system.
// Pure, so the table is tested on any machine.
namespace EvdevKeyMap {

struct ScanCode
{
    quint16 code = 0; // 0: the key has no set-1 scan code the dialogs know
    bool extended = false;
};

ScanCode toScanCode(int evdevCode);

// evdev code of a key event's native scan code (X11 and Wayland keycodes
// are the evdev code plus 8).
constexpr int fromNativeScanCode(quint32 nativeScanCode)
{
    return int(nativeScanCode) - 8;
}

} // namespace EvdevKeyMap
