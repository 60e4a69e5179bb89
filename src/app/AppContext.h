#pragma once

#include "storage/AppPaths.h"
#include "widgets/UiScale.h"

#include <memory>

class Clock;
class DeviceLink;
class HidBackend;
class PointerSpeed;
class VirtualMouse;

// The state that the whole program shares: one instance, owned by the entry
// function and handed to whoever needs it.
struct AppContext
{
    explicit AppContext(const AppPaths& appPaths);
    ~AppContext();

    // Talk to the system's HID devices.
    void useSystemDevices();
    // Talk to a virtual mouse instead; its plugging drives hot-plug.
    void useVirtualMouse(std::shared_ptr<VirtualMouse> mouse);

    AppPaths paths;
    std::shared_ptr<HidBackend> backend;
    std::shared_ptr<Clock> clock;
    // Set when the program runs on the virtual mouse.
    std::shared_ptr<VirtualMouse> virtualMouse;
    std::unique_ptr<DeviceLink> link;
    // The system's pointer speed; none in tests that leave it alone.
    std::unique_ptr<PointerSpeed> pointerSpeed;

    // Index of the interface language; the key names and every page's font follow it.
    int languageIndex = 0;
    // Set while the disconnect warning is up or about to come up.
    bool warningOpen = false;
    UiScale scale;
};
