// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/PlatformServices.h"

PlatformServices PlatformServices::forThisSystem(const QString& appDir)
{
    PlatformServices services;
    services.pointerSpeed = createPointerSpeed();
    services.launcher = createProgramLauncher();
    services.onScreenDisplay = createOnScreenDisplay(appDir);
    services.makeKeyboardCapture = [] { return createKeyboardCapture(); };
    return services;
}
