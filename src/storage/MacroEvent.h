// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QtGlobal>

// One step of a macro, and one step of a button record: three bytes in the
// order a button step stores them. Bit 7 of Map marks a press; its low bits
// give the kind.
struct MacroEvent
{
    enum Kind : quint8
    {
        MouseButton = 1,
        MouseMove = 2,
        Key = 4,
        Delay = 6
    };
    static constexpr quint8 kPressBit = 0x80;

    quint8 Map = 0;
    quint8 DataL = 0;
    quint8 DataH = 0;

    // usage: HID keyboard usage ID.
    static MacroEvent keyPress(quint8 usage) { return {quint8(Key | kPressBit), usage, 0}; }
    static MacroEvent keyRelease(quint8 usage) { return {Key, usage, 0}; }
    // button: 1 left, 2 right, 4 middle, 8 forward, 16 backward.
    static MacroEvent mouseButton(bool press, quint8 button)
    {
        return {quint8(press ? (MouseButton | kPressBit) : MouseButton), button, 0};
    }
    // Offsets are signed bytes: right and down positive.
    static MacroEvent move(int right, int down)
    {
        return {MouseMove, quint8(qint8(right)), quint8(qint8(down))};
    }
    // A delay of count units of the model's delay unit.
    static MacroEvent delay(int count)
    {
        const int clamped = qBound(0, count, 0xFFFF);
        return {Delay, quint8(clamped & 0xFF), quint8(clamped >> 8)};
    }

    bool isPress() const { return Map & kPressBit; }
    int kind() const { return Map & 0x7F; }
    int delayCount() const { return DataH * 256 + DataL; }

    // Delay counts in units of unitMs (the product description's MinDelay).
    // A recorded gap of elapsedMs rounds down to a whole unit but is never
    // less than one unit.
    static int recordedDelayCount(qint64 elapsedMs, int unitMs);
    // The editor's default delay, in whole units.
    static int defaultDelayCount(int defaultDelayMs, int unitMs);
    int delayMs(int unitMs) const { return delayCount() * qMax(1, unitMs); }

    bool operator==(const MacroEvent& o) const
    {
        return Map == o.Map && DataL == o.DataL && DataH == o.DataH;
    }
    bool operator!=(const MacroEvent& o) const { return !(*this == o); }
};
