// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "hid/DeviceServices.h"
#include "sim/VirtualMouseOptions.h"

#include <QByteArray>
#include <functional>
#include <memory>

class VirtualMouse;

// How the program reaches its mouse, as the command line chose it.
struct DeviceOptions
{
    bool virtualMouse = false;
    VirtualMouseOptions virtualOptions;
    // When set, every report that crosses an open interface is handed here.
    std::function<void(const QByteArray& line)> trace;
};

// The device services built from the options, and the virtual mouse behind
// them when there is one (start-up wires its plugging to hot-plug; nothing
// else needs to know).
struct DeviceSetup
{
    std::unique_ptr<DeviceServices> services;
    std::shared_ptr<VirtualMouse> virtualMouse;
};

DeviceSetup createDeviceSetup(const DeviceOptions& options);
