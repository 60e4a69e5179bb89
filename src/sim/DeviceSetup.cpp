// SPDX-License-Identifier: GPL-3.0-or-later
#include "sim/DeviceSetup.h"

#include "hid/HidapiBackend.h"
#include "hid/SystemClock.h"
#include "hid/TracingBackend.h"
#include "sim/VirtualMouse.h"

DeviceSetup createDeviceSetup(const DeviceOptions& options)
{
    DeviceSetup setup;
    std::shared_ptr<HidBackend> backend;
    std::shared_ptr<Clock> clock;
    if (options.virtualMouse) {
        setup.virtualMouse = std::make_shared<VirtualMouse>(options.virtualOptions);
        backend = setup.virtualMouse;
        clock = setup.virtualMouse->clock();
    } else {
        backend = createHidapiBackend();
        clock = std::make_shared<SystemClock>();
    }
    if (options.trace)
        backend = std::make_shared<TracingBackend>(backend, options.trace);
    setup.services = std::make_unique<DeviceServices>(std::move(backend), std::move(clock));
    return setup;
}
