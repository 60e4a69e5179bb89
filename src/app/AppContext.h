#pragma once

#include "storage/AppPaths.h"
#include "widgets/UiScale.h"

// The state that the whole program shares: one instance, owned by the entry
// function and handed to whoever needs it.
struct AppContext
{
    explicit AppContext(const AppPaths& appPaths) : paths(appPaths) {}

    AppPaths paths;
    // Run on the virtual mouse instead of the system's HID devices.
    bool virtualMouse = false;
    // Index of the interface language; the key names and every page's font follow it.
    int languageIndex = 0;
    // Set while the disconnect warning is up or about to come up.
    bool warningOpen = false;
    UiScale scale;
};
