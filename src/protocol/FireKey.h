// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QtGlobal>

struct ButtonAssignment;

// A fire (auto-repeat) key: what it fires, how many shots and the delay
// between them, and how that is kept in a button record (target in Res1,
// shots in LoopNumber, delay in KeyNumber).
struct FireKey
{
    enum Target
    {
        Left,
        Right,
        Middle,
        KeyboardKey
    };

    static constexpr int kDefaultTimes = 3;
    static constexpr int kDefaultDelay = 100;
    // Shown for a stored record without a delay.
    static constexpr int kStoredDelayFallback = 10;
    static constexpr int kMinField = 1;
    static constexpr int kMaxField = 255;

    Target target = Left;
    quint8 keyCode = 0; // the program's key code, for KeyboardKey
    int times = kDefaultTimes;
    int delay = kDefaultDelay;

    // The fire key a stored record holds (any record: Res1 0 reads as Left).
    static FireKey fromRecord(const ButtonAssignment& button);
    // Writes the function, target, shots and delay into the record.
    void writeTo(ButtonAssignment& button) const;
    // The Res1 byte of the target (a key's HID usage for KeyboardKey).
    quint8 targetByte() const;
};
