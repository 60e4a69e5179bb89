// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "storage/MacroEvent.h"

#include <QString>
#include <QVector>
#include <QtGlobal>

struct ButtonAssignment;

// A key combination as the combo-key dialog collects it: four modifier slots
// (shift, ctrl, windows, alt) and one key slot. A modifier slot holds bit 1
// for the left-hand key and bit 2 for the right-hand one; the key slot is 1
// with its key code beside it.
class ComboKeys
{
public:
    enum Slot
    {
        Shift,
        Ctrl,
        Windows,
        Alt,
        Key,
        kSlots
    };

    // The key codes of the modifier pairs, left then right.
    static int leftCode(Slot slot);
    static int rightCode(Slot slot);

    void clear();
    // One captured key (program key code, press or release). Presses of the
    // same modifier accumulate; a release clears only its own key.
    void press(quint8 keyCode);
    void release(quint8 keyCode);

    quint8 slot(Slot slot) const { return m_slots[slot]; }
    quint8 keyCode() const { return m_keyCode; }
    bool isEmpty() const;
    // The key code each set slot is named by, in slot order (not press order):
    // a modifier slot of 1 or 2 by its left-hand key, both keys by the right.
    QVector<int> shownCodes() const;
    // The codes that reach the mouse, in slot order: a modifier is always
    // sent as its left-hand key.
    QVector<int> sentCodes() const;

    // The button steps of this combination: a press of every key in slot
    // order, then the releases in reverse order; all other steps zero.
    void writeSteps(ButtonAssignment& button) const;
    // The combination that stored steps describe (their first five keys).
    static ComboKeys fromSteps(const ButtonAssignment& button);

private:
    quint8 m_slots[kSlots] = {};
    quint8 m_keyCode = 0;
};
