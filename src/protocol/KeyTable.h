// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QtGlobal>

// The program's 8-bit key code (set-1 scan codes, with the keypad and the
// right-hand Ctrl and Alt moved to 224-239 and the mouse buttons at 240-242)
// and its two tables: the displayed name of each code, in an English and a
// French keyboard labelling, and the HID keyboard usage ID (page 7) that the
// mouse is given for it.
class KeyTable
{
public:
    enum class Labels
    {
        English,
        French
    };

    // The labelling for the interface language languageIndex when the model
    // shows French labels in language frenchLanguageIndex (-1: never).
    static Labels labelsFor(int languageIndex, int frenchLanguageIndex);

    // Empty for a code that names no key.
    static QString name(int keyCode, Labels labels = Labels::English);

    // Both lookups leave the output untouched and return false when the value
    // has no counterpart (mouse buttons, unnamed codes, unknown usages).
    static bool usageForKey(int keyCode, quint8& usage);
    static bool keyForUsage(int usage, quint8& keyCode);

    // The number of (key code, usage) pairs.
    static int usageCount();
};
