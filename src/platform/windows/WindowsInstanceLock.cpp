// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/InstanceLock.h"

#include <windows.h>

namespace {

// A named mutex, created owned and kept open until the process ends.
class WindowsInstanceLock : public InstanceLock
{
public:
    ~WindowsInstanceLock() override
    {
        if (m_mutex)
            CloseHandle(m_mutex);
    }

    bool tryAcquire(const QString& name) override
    {
        HANDLE mutex = CreateMutexW(nullptr, TRUE, reinterpret_cast<LPCWSTR>(name.utf16()));
        if (mutex && GetLastError() == ERROR_ALREADY_EXISTS) {
            CloseHandle(mutex);
            return false;
        }
        m_mutex = mutex;
        return true;
    }

private:
    HANDLE m_mutex = nullptr;
};

} // namespace

std::unique_ptr<InstanceLock> createInstanceLock()
{
    return std::make_unique<WindowsInstanceLock>();
}
