// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/KeyboardCapture.h"

#include <QWindow>

#include <windows.h>

namespace {

class WindowsKeyboardCapture;

// A low-level hook has no context argument: the capture that installed it.
// One capture runs at a time (the dialogs are modal).
WindowsKeyboardCapture* g_active = nullptr;

constexpr DWORD kFlagMask = LLKHF_EXTENDED | LLKHF_ALTDOWN | LLKHF_UP;

// The low-level keyboard hook: sees every key before the system acts on it,
// so the Windows keys, Print Screen and Alt combinations reach the dialog.
// Keys are swallowed while the capture runs, so a combination being typed
// does not act on the system and no key closes the dialog.
class WindowsKeyboardCapture : public KeyboardCapture
{
public:
    using KeyboardCapture::KeyboardCapture;
    ~WindowsKeyboardCapture() override { stop(); }

    bool start(QWindow*) override
    {
        if (m_hook)
            return true;
        if (g_active)
            return false;
        m_hook = SetWindowsHookExW(WH_KEYBOARD_LL, &WindowsKeyboardCapture::hookProc, nullptr, 0);
        if (!m_hook)
            return false;
        g_active = this;
        return true;
    }

    void stop() override
    {
        if (!m_hook)
            return;
        UnhookWindowsHookEx(m_hook);
        m_hook = nullptr;
        if (g_active == this)
            g_active = nullptr;
    }

    bool isActive() const override { return m_hook != nullptr; }

private:
    static LRESULT CALLBACK hookProc(int code, WPARAM wParam, LPARAM lParam)
    {
        if (code == HC_ACTION && g_active) {
            const auto* record = reinterpret_cast<const KBDLLHOOKSTRUCT*>(lParam);
            Q_EMIT g_active->keyCaptured(quint16(record->scanCode), quint8(record->flags & kFlagMask));
            return 1;
        }
        return CallNextHookEx(nullptr, code, wParam, lParam);
    }

    HHOOK m_hook = nullptr;
};

} // namespace

std::unique_ptr<KeyboardCapture> createKeyboardCapture()
{
    return std::make_unique<WindowsKeyboardCapture>();
}
