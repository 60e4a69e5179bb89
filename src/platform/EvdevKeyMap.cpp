// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/EvdevKeyMap.h"

namespace EvdevKeyMap {

namespace {

struct Exception
{
    int evdev;
    quint16 code;
    bool extended;
};

// Keys whose evdev code is not their scan code, or that carry the E0 prefix.
const Exception kExceptions[] = {
    {69, 0x45, true},   // Num Lock
    {119, 0x45, false}, // Pause
    {99, 0x37, true},   // SysRq / Print Screen
    {55, 0x37, false},  // keypad *
    {96, 0x1C, true},   // keypad Enter
    {97, 0x1D, true},   // right Ctrl
    {98, 0x35, true},   // keypad /
    {100, 0x38, true},  // right Alt
    {102, 0x47, true},  // Home
    {103, 0x48, true},  // Up
    {104, 0x49, true},  // Page Up
    {105, 0x4B, true},  // Left
    {106, 0x4D, true},  // Right
    {107, 0x4F, true},  // End
    {108, 0x50, true},  // Down
    {109, 0x51, true},  // Page Down
    {110, 0x52, true},  // Insert
    {111, 0x53, true},  // Delete
    {125, 0x5B, true},  // left Meta
    {126, 0x5C, true},  // right Meta
    {127, 0x5D, true},  // Compose (menu)
};

} // namespace

ScanCode toScanCode(int evdevCode)
{
    for (const Exception& e : kExceptions) {
        if (e.evdev == evdevCode)
            return {e.code, e.extended};
    }
    // The main block, the keypad and F1 to F12 share their codes with set 1.
    if ((evdevCode >= 1 && evdevCode <= 83) || evdevCode == 87 || evdevCode == 88)
        return {quint16(evdevCode), false};
    return {};
}

} // namespace EvdevKeyMap
