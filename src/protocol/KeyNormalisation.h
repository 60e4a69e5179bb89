// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QtGlobal>

// Turns a captured (set-1 scan code, flags) pair into the program's key
// code: the keypad and the right-hand Ctrl and Alt, which share scan codes
// with other keys, move to 224 to 239. Flags as the keyboard capture
// delivers them: 0x01 extended key, 0x20 Alt held, 0x80 released.
namespace KeyNormalisation {

constexpr quint8 kExtended = 0x01;
constexpr quint8 kAltDown = 0x20;
constexpr quint8 kReleased = 0x80;

// The rule of the key dialogs (single key, combo key, fire key).
quint8 forKeyDialog(quint16 scanCode, quint8 flags);
// The rule of the macro recorder: with Alt held the flags count as none,
// so Enter and Ctrl keep their plain codes; the right Alt is known by its
// extended flag.
quint8 forMacroRecorder(quint16 scanCode, quint8 flags);

// Whether the flags mean a key press (not a release).
constexpr bool isPress(quint8 flags)
{
    return (flags & kReleased) == 0;
}

} // namespace KeyNormalisation
