// SPDX-License-Identifier: GPL-3.0-or-later
#include "protocol/KeyNormalisation.h"

namespace KeyNormalisation {

namespace {

// The keypad keys that share their scan code with the cursor block; the
// cursor keys carry the extended flag, the keypad keys do not.
quint8 keypadCode(quint16 scanCode)
{
    switch (scanCode) {
    case 55:
        return 227; // Num *
    case 71:
        return 235; // Num 7
    case 72:
        return 236; // Num 8
    case 73:
        return 228; // Num 9
    case 75:
        return 233; // Num 4
    case 77:
        return 234; // Num 6
    case 79:
        return 230; // Num 1
    case 80:
        return 231; // Num 2
    case 81:
        return 232; // Num 3
    case 82:
        return 237; // Num 0
    case 83:
        return 224; // Num Del
    default:
        return 0;
    }
}

// The keys whose extended form is the right-hand or keypad one.
quint8 extendedCode(quint16 scanCode)
{
    switch (scanCode) {
    case 28:
        return 229; // Num Enter
    case 29:
        return 238; // RCtr
    case 53:
        return 226; // Num /
    case 69:
        return 225; // Num Lock
    case 56:
        return 239; // RAlt
    default:
        return 0;
    }
}

bool onlyReleaseBit(quint8 flags)
{
    return (flags & ~kReleased) == 0;
}

} // namespace

quint8 forKeyDialog(quint16 scanCode, quint8 flags)
{
    const bool extended = flags == 1 || flags == 129 || (scanCode == 56 && flags == 33);
    if (extended) {
        if (const quint8 code = extendedCode(scanCode))
            return code;
    }
    if (onlyReleaseBit(flags)) {
        if (const quint8 code = keypadCode(scanCode))
            return code;
    }
    return quint8(scanCode);
}

quint8 forMacroRecorder(quint16 scanCode, quint8 flags)
{
    if (scanCode == 56 && (flags & kExtended))
        return 239; // RAlt, even with Alt itself held
    if (flags & kAltDown)
        flags = 0;
    if (flags & kExtended) {
        if (scanCode != 56) {
            if (const quint8 code = extendedCode(scanCode))
                return code;
        }
    }
    if (scanCode == 83)
        return (flags & kExtended) ? 83 : 224;
    if (onlyReleaseBit(flags)) {
        if (const quint8 code = keypadCode(scanCode))
            return code;
    }
    return quint8(scanCode);
}

} // namespace KeyNormalisation
