// SPDX-License-Identifier: GPL-3.0-or-later
#include "protocol/FireKey.h"

#include "protocol/FunctionTable.h"
#include "protocol/KeyTable.h"
#include "storage/ButtonAssignment.h"

namespace {

constexpr quint8 kLeftByte = 0x81;
constexpr quint8 kRightByte = 0x82;
constexpr quint8 kMiddleByte = 0x84;

} // namespace

FireKey FireKey::fromRecord(const ButtonAssignment& button)
{
    FireKey fire;
    switch (button.Res1) {
    case 0:
    case kLeftByte:
        fire.target = Left;
        break;
    case kRightByte:
        fire.target = Right;
        break;
    case kMiddleByte:
        fire.target = Middle;
        break;
    default:
        fire.target = KeyboardKey;
        KeyTable::keyForUsage(button.Res1, fire.keyCode);
        break;
    }
    fire.delay = button.KeyNumber != 0 ? button.KeyNumber : kStoredDelayFallback;
    fire.times = button.LoopNumber != 0 ? button.LoopNumber : kDefaultTimes;
    return fire;
}

quint8 FireKey::targetByte() const
{
    switch (target) {
    case Left:
        return kLeftByte;
    case Right:
        return kRightByte;
    case Middle:
        return kMiddleByte;
    case KeyboardKey:
        break;
    }
    quint8 usage = 0;
    KeyTable::usageForKey(keyCode, usage);
    return usage;
}

void FireKey::writeTo(ButtonAssignment& button) const
{
    button.Fun = FunctionTable::FireKey;
    button.Res1 = targetByte();
    button.LoopNumber = times;
    button.KeyNumber = delay;
}
