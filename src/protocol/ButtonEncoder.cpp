// SPDX-License-Identifier: GPL-3.0-or-later
#include "protocol/ButtonEncoder.h"

#include "protocol/DpiEncoding.h"
#include "protocol/FunctionTable.h"
#include "protocol/KeyTable.h"
#include "protocol/MacroNameTable.h"
#include "storage/ButtonAssignment.h"

namespace {

// The modifier bit a key code contributes, counted once per step: a
// combination stores a press and a release step for each key.
int modifierWeight(int keyCode)
{
    switch (keyCode) {
    case 29:  // LCtr
    case 238: // RCtr
        return 1;
    case 42: // LShift
    case 54: // RShift
        return 2;
    case 56:  // LAlt
    case 239: // RAlt
        return 4;
    case 91: // LWindows
    case 92: // RWindows
        return 8;
    default:
        return 0;
    }
}

constexpr int kCombinationSteps = 10;

} // namespace

ButtonEncoder::ButtonEncoder(int sensorType, const SensorTables& tables, MacroNameTable& macroNames)
    : m_sensorType(sensorType), m_tables(tables), m_macroNames(macroNames)
{
}

void ButtonEncoder::encode(ButtonAssignment& button, quint8 out[4])
{
    if (!FunctionTable::lookup(button.Fun, out))
        return;
    switch (button.Fun) {
    case FunctionTable::SingleKey:
        encodeSingleKey(button, out);
        break;
    case FunctionTable::KeyCombination:
        encodeKeyCombination(button, out);
        break;
    case FunctionTable::FireKey:
        encodeFireKey(button, out);
        break;
    case FunctionTable::Sniper:
        encodeSniper(button, out);
        break;
    case FunctionTable::Macro:
    case FunctionTable::GunMacro:
        encodeMacro(button, out);
        break;
    default:
        break;
    }
}

void ButtonEncoder::encodeSingleKey(const ButtonAssignment& button, quint8 out[4]) const
{
    quint8 usage = 0;
    KeyTable::usageForKey(button.Res1, usage);
    out[1] = 0x00;
    out[2] = usage;
    out[3] = 0x00;
}

void ButtonEncoder::encodeKeyCombination(const ButtonAssignment& button, quint8 out[4]) const
{
    int modifierSum = 0;
    quint8 key = 0;
    for (int i = 0; i < kCombinationSteps; ++i) {
        const MacroEvent& step = button.KeyInfo[i];
        if (step.Map == 0 && step.DataL == 0 && step.DataH == 0)
            continue;
        quint8 keyCode = 0;
        KeyTable::keyForUsage(step.Map, keyCode);
        const int weight = modifierWeight(keyCode);
        if (weight)
            modifierSum += weight;
        else
            key = step.Map;
    }
    out[1] = static_cast<quint8>(modifierSum >> 1);
    out[2] = key;
    out[3] = 0x00;
}

void ButtonEncoder::encodeFireKey(const ButtonAssignment& button, quint8 out[4]) const
{
    if (button.Res1 == 0) {
        out[1] = 0x81;
        out[2] = 0x03;
        out[3] = 0x00;
        return;
    }
    out[1] = button.Res1;
    out[2] = static_cast<quint8>(button.LoopNumber & 0xFF);
    out[3] = static_cast<quint8>((button.KeyNumber / 10) & 0xFF);
}

void ButtonEncoder::encodeSniper(const ButtonAssignment& button, quint8 out[4]) const
{
    out[1] = 0x01;
    DpiEncoding::encodeSniperStep(m_sensorType, button.Res1, out + 2, m_tables);
}

void ButtonEncoder::encodeMacro(ButtonAssignment& button, quint8 out[4])
{
    const int slot = m_macroNames.assign(button.macroname);
    const quint8 slotByte = static_cast<quint8>(slot & 0xFF);
    button.Res4 = slotByte;
    switch (button.Res1) {
    case 1: // repeat while the button is held
        out[1] = slotByte | 0x80;
        out[2] = out[3] = 0xFF;
        break;
    case 2: // repeat until the button is pressed again
        out[1] = slotByte | 0x40;
        out[2] = out[3] = 0xFF;
        break;
    default: // a number of loops
        out[1] = slotByte;
        out[2] = static_cast<quint8>(button.LoopNumber & 0xFF);
        out[3] = static_cast<quint8>((button.LoopNumber >> 8) & 0xFF);
        break;
    }
}
