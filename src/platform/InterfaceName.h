// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/DeviceNotifier.h"

#include <QString>

// Classifies a Windows device-interface name ("\\?\HID#VID_xxxx&PID_xxxx&MI_0n#...")
// by the interface number it names: interface 0 is the mouse interface,
// interface 2 the vendor interface. Anything else is kind 0 with ids 0.
DeviceChange classifyInterfaceName(const QString& name);
