// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "storage/AppPaths.h"

#include <memory>

class DeviceNotifier;
class QMenu;
class UiSettings;
class UserPrompts;
struct DeviceServices;
struct PlatformServices;

// What start-up hands the main window: the services it runs on, chosen
// before the window exists (the system's devices or the virtual mouse, the
// system's services or fakes). The window owns none of the references.
struct WindowSetup
{
    AppPaths paths;
    DeviceServices& devices;
    UiSettings& ui;
    PlatformServices& platform;
    // Where device arrivals and removals come from; the window takes it.
    std::unique_ptr<DeviceNotifier> notifier;
    // A further menu for the tray (trying the virtual mouse, say); the window
    // takes it. May be null.
    QMenu* extraTrayMenu = nullptr;
    // Who answers the window's questions; null: its own message boxes and
    // the desktop's file dialogs.
    UserPrompts* prompts = nullptr;
};
