// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <memory>
#include <optional>

// The system's pointer speed, on the 1 (slowest) to 20 (fastest) scale that
// the profiles store, 10 being the system default.
class PointerSpeed
{
public:
    static constexpr int kMinimum = 1;
    static constexpr int kMaximum = 20;
    static constexpr int kDefault = 10;

    virtual ~PointerSpeed() = default;

    // The speed in use now, or nothing when the desktop exposes none (the
    // caller then keeps the profile's value).
    virtual std::optional<int> readPointerSpeed() = 0;
    // Makes speed the system's pointer speed; false when the desktop offers no
    // such setting or refused it (the reason is logged, never shown).
    virtual bool applyPointerSpeed(int speed) = 0;
};

// This system's pointer speed.
std::unique_ptr<PointerSpeed> createPointerSpeed();
