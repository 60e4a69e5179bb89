#include "app/AppContext.h"

#include "hid/DeviceLink.h"
#include "hid/HidapiBackend.h"
#include "hid/SystemClock.h"
#include "platform/PointerSpeed.h"
#include "sim/VirtualMouse.h"

AppContext::AppContext(const AppPaths& appPaths) : paths(appPaths) {}

AppContext::~AppContext() = default;

void AppContext::useSystemDevices()
{
    virtualMouse.reset();
    backend = createHidapiBackend();
    clock = std::make_shared<SystemClock>();
    link = std::make_unique<DeviceLink>(backend, clock);
}

void AppContext::useVirtualMouse(std::shared_ptr<VirtualMouse> mouse)
{
    virtualMouse = std::move(mouse);
    backend = virtualMouse;
    clock = virtualMouse->clock();
    link = std::make_unique<DeviceLink>(backend, clock);
}
