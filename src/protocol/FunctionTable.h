// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "storage/ButtonAssignment.h"

#include <QtGlobal>

// The wire form of a button function (the `Fun` code of a button record): the
// four bytes (type, b1, b2, b3) of its slot in the button table. Functions
// with a special encoding appear with their type byte only; the button
// encoder fills in the rest.
class FunctionTable
{
public:
    enum SpecialType : quint8
    {
        SingleKeyType = 0x90,
        MacroType = 0x91,
        GunMacroType = 0x9D,
        FireKeyType = 0x99,
        KeyCombinationType = 0x8F,
        SniperType = 0x9A,
    };

    enum FunctionId
    {
        SingleKey = 6,
        KeyCombination = 7,
        FireKey = 12,
        ButtonOff = 16,
        Sniper = 55,
        Macro = ButtonAssignment::kMacroFunction,
        GunMacro = ButtonAssignment::kGunMacroFunction,
    };

    // False (and four zero bytes) for a code that is not in the table.
    static bool lookup(int function, quint8 bytes[4]);
    static int rowCount();
};
