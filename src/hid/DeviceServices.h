// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "hid/Clock.h"
#include "hid/DeviceLink.h"
#include "hid/HidBackend.h"

#include <memory>

// The device side of the program: the HID backend (the system's devices or
// a virtual mouse), the clock its waits run on, and the one link to the
// mouse. Built once at start-up and passed to whoever talks to the mouse.
struct DeviceServices
{
    DeviceServices(std::shared_ptr<HidBackend> hidBackend, std::shared_ptr<Clock> hidClock)
        : backend(std::move(hidBackend)), clock(std::move(hidClock)),
          link(std::make_unique<DeviceLink>(backend, clock))
    {
    }

    const std::shared_ptr<HidBackend> backend;
    const std::shared_ptr<Clock> clock;
    const std::unique_ptr<DeviceLink> link;
};
