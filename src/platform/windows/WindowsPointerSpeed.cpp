// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/PlatformLog.h"
#include "platform/PointerSpeed.h"

#include <QDebug>

#include <windows.h>

namespace {

// The mouse speed of the system parameters: read at start-up, set (stored in
// the user profile and broadcast) whenever the active profile changes.
class WindowsPointerSpeed : public PointerSpeed
{
public:
    std::optional<int> readPointerSpeed() override
    {
        int speed = 0;
        if (!SystemParametersInfoW(SPI_GETMOUSESPEED, 0, &speed, 0))
            return std::nullopt;
        return speed;
    }

    bool applyPointerSpeed(int speed) override
    {
        // This action takes the value itself in the pointer argument.
        const BOOL done =
            SystemParametersInfoW(SPI_SETMOUSESPEED, 0, reinterpret_cast<PVOID>(static_cast<INT_PTR>(speed)),
                                  SPIF_UPDATEINIFILE | SPIF_SENDCHANGE);
        qCDebug(lcPlatform, "Error in SystemParametersInfo :%d", static_cast<int>(GetLastError()));
        return done != FALSE;
    }
};

} // namespace

std::unique_ptr<PointerSpeed> createPointerSpeed()
{
    return std::make_unique<WindowsPointerSpeed>();
}
