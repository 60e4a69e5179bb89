// SPDX-License-Identifier: GPL-3.0-or-later
#include "protocol/ComboKeys.h"

#include "protocol/KeyTable.h"
#include "storage/ButtonAssignment.h"

namespace {

constexpr quint8 kLeftBit = 1;
constexpr quint8 kRightBit = 2;
constexpr quint8 kStepMarker = 0x05;
constexpr quint8 kStepPress = 0x80;
constexpr quint8 kStepRelease = 0x00;
constexpr int kPresetSteps = 5;

const int kPairs[ComboKeys::Key][2] = {{42, 54}, {29, 238}, {91, 92}, {56, 239}};

// The modifier slot and side bit of a key code; false for other keys.
bool modifierOf(quint8 keyCode, ComboKeys::Slot& slot, quint8& bit)
{
    for (int s = 0; s < ComboKeys::Key; ++s) {
        for (int side = 0; side < 2; ++side) {
            if (kPairs[s][side] == keyCode) {
                slot = ComboKeys::Slot(s);
                bit = side == 0 ? kLeftBit : kRightBit;
                return true;
            }
        }
    }
    return false;
}

} // namespace

int ComboKeys::leftCode(Slot slot)
{
    return slot < Key ? kPairs[slot][0] : 0;
}

int ComboKeys::rightCode(Slot slot)
{
    return slot < Key ? kPairs[slot][1] : 0;
}

void ComboKeys::clear()
{
    *this = ComboKeys();
}

void ComboKeys::press(quint8 keyCode)
{
    Slot slot;
    quint8 bit;
    if (modifierOf(keyCode, slot, bit)) {
        m_slots[slot] |= bit;
    } else {
        m_slots[Key] = 1;
        m_keyCode = keyCode;
    }
}

void ComboKeys::release(quint8 keyCode)
{
    Slot slot;
    quint8 bit;
    // A release whose press came before the dialog opened must not wrap the
    // slot round to a key that is not held.
    if (modifierOf(keyCode, slot, bit))
        m_slots[slot] &= quint8(~bit);
    else
        m_slots[Key] = 0;
}

bool ComboKeys::isEmpty() const
{
    for (quint8 value : m_slots) {
        if (value)
            return false;
    }
    return true;
}

QVector<int> ComboKeys::shownCodes() const
{
    QVector<int> codes;
    for (int s = 0; s < Key; ++s) {
        if (m_slots[s])
            codes.append(m_slots[s] > kRightBit ? kPairs[s][1] : kPairs[s][0]);
    }
    if (m_slots[Key])
        codes.append(m_keyCode);
    return codes;
}

QVector<int> ComboKeys::sentCodes() const
{
    QVector<int> codes;
    for (int s = 0; s < Key; ++s) {
        if (m_slots[s])
            codes.append(kPairs[s][0]);
    }
    if (m_slots[Key])
        codes.append(m_keyCode);
    return codes;
}

void ComboKeys::writeSteps(ButtonAssignment& button) const
{
    for (MacroEvent& step : button.KeyInfo)
        step = MacroEvent();
    // Each key goes in as a press and a release at the middle of what is
    // there, so the releases come out in reverse order.
    QVector<MacroEvent> steps;
    for (int code : sentCodes()) {
        quint8 usage = 0;
        KeyTable::usageForKey(code, usage);
        const int at = steps.size() / 2;
        steps.insert(at, MacroEvent{usage, kStepMarker, kStepRelease});
        steps.insert(at, MacroEvent{usage, kStepMarker, kStepPress});
    }
    for (int i = 0; i < steps.size() && i < ButtonAssignment::kSteps; ++i)
        button.KeyInfo[i] = steps.at(i);
}

ComboKeys ComboKeys::fromSteps(const ButtonAssignment& button)
{
    ComboKeys combo;
    for (int i = 0; i < kPresetSteps; ++i) {
        const quint8 usage = button.KeyInfo[i].Map;
        quint8 code = 0;
        if (usage == 0 || !KeyTable::keyForUsage(usage, code))
            continue;
        Slot slot;
        quint8 bit;
        if (modifierOf(code, slot, bit)) {
            combo.m_slots[slot] |= bit;
        } else {
            combo.m_slots[Key] = 1;
            combo.m_keyCode = code;
        }
    }
    return combo;
}
