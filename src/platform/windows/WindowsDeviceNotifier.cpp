// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/DeviceNotifier.h"

#include "platform/InterfaceName.h"
#include "platform/PlatformLog.h"

#include <QDebug>

#include <windows.h>
// dbt.h needs the types of windows.h.
#include <dbt.h>

namespace {

// {4D1E55B2-F16F-11CF-88CB-001111000030}: the HID device-interface class.
const GUID kHidInterfaceClass = {
    0x4D1E55B2, 0xF16F, 0x11CF, {0x88, 0xCB, 0x00, 0x11, 0x11, 0x00, 0x00, 0x30}};

// Device changes arrive as WM_DEVICECHANGE messages to the registered window.
class WindowsDeviceNotifier : public DeviceNotifier
{
public:
    ~WindowsDeviceNotifier() override
    {
        if (m_registration)
            UnregisterDeviceNotification(m_registration);
    }

    bool start(quintptr windowHandle) override
    {
        DEV_BROADCAST_DEVICEINTERFACE_W filter = {};
        filter.dbcc_size = sizeof(filter);
        filter.dbcc_devicetype = DBT_DEVTYP_DEVICEINTERFACE;
        filter.dbcc_classguid = kHidInterfaceClass;
        m_registration = RegisterDeviceNotificationW(reinterpret_cast<HANDLE>(windowHandle), &filter,
                                                     DEVICE_NOTIFY_WINDOW_HANDLE);
        if (!m_registration) {
            qCWarning(lcPlatform, "device notifications: registration failed (%lu); no hot-plug",
                      GetLastError());
            return false;
        }
        return true;
    }

    void handleNativeEvent(const QByteArray& eventType, void* message) override
    {
        if (eventType != "windows_generic_MSG")
            return;
        const MSG* msg = static_cast<const MSG*>(message);
        if (msg->message != WM_DEVICECHANGE || msg->lParam == 0)
            return;
        const bool arrived = msg->wParam == DBT_DEVICEARRIVAL;
        if (!arrived && msg->wParam != DBT_DEVICEREMOVECOMPLETE)
            return;
        qCDebug(lcPlatform, arrived ? "DBT_DEVICEARRIVAL\n" : "DBT_DEVICEREMOVECOMPLETE\n");
        const auto* header = reinterpret_cast<const DEV_BROADCAST_HDR*>(msg->lParam);
        if (header->dbch_devicetype != DBT_DEVTYP_DEVICEINTERFACE)
            return;
        const auto* record = reinterpret_cast<const DEV_BROADCAST_DEVICEINTERFACE_W*>(header);
        DeviceChange change = classifyInterfaceName(QString::fromWCharArray(record->dbcc_name));
        change.arrived = arrived;
        Q_EMIT deviceChanged(change);
    }

private:
    HDEVNOTIFY m_registration = nullptr;
};

} // namespace

std::unique_ptr<DeviceNotifier> createDeviceNotifier()
{
    return std::make_unique<WindowsDeviceNotifier>();
}
