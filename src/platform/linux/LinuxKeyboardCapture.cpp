// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/EvdevKeyMap.h"
#include "platform/KeyboardCapture.h"

#include <QGuiApplication>
#include <QKeyEvent>
#include <QPointer>
#include <QWindow>

namespace {

constexpr int kLeftAltEvdev = 56;
constexpr int kRightAltEvdev = 100;

// Takes every key meant for the capture window before Qt delivers it: the
// window's controls, its shortcuts and the dialog's own Esc and Enter
// handling never see a key while the capture runs. The keyboard is grabbed
// as well, so the window manager's own combinations reach us where it allows.
// Keys are read from the native scan code (the evdev code plus 8 on X11 and
// Wayland), never from Qt's key, which follows the keyboard layout.
class LinuxKeyboardCapture : public KeyboardCapture
{
public:
    using KeyboardCapture::KeyboardCapture;
    ~LinuxKeyboardCapture() override { stop(); }

    bool start(QWindow* window) override
    {
        if (m_active || !window || !qGuiApp)
            return m_active;
        m_window = window;
        m_leftAlt = m_rightAlt = false;
        qGuiApp->installEventFilter(this);
        // A window that is not mapped yet cannot grab: tried again when it is exposed.
        m_grabbed = m_window->setKeyboardGrabEnabled(true);
        m_active = true;
        return true;
    }

    void stop() override
    {
        if (!m_active)
            return;
        m_active = false;
        if (qGuiApp)
            qGuiApp->removeEventFilter(this);
        if (m_window && m_grabbed)
            m_window->setKeyboardGrabEnabled(false);
        m_grabbed = false;
        m_window.clear();
    }

    bool isActive() const override { return m_active; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (!m_active || !m_window)
            return false;
        switch (event->type()) {
        case QEvent::Expose:
            if (watched == m_window && !m_grabbed && m_window->isExposed())
                m_grabbed = m_window->setKeyboardGrabEnabled(true);
            return false;
        case QEvent::ShortcutOverride:
            // Claiming the override keeps shortcuts from firing; the key
            // itself then arrives as a press below.
            if (QGuiApplication::focusWindow() != m_window)
                return false;
            event->accept();
            return true;
        case QEvent::KeyPress:
        case QEvent::KeyRelease:
            if (watched != m_window)
                return watched->isWidgetType() && QGuiApplication::focusWindow() == m_window;
            deliver(static_cast<QKeyEvent*>(event));
            return true;
        default:
            return false;
        }
    }

private:
    void deliver(const QKeyEvent* event)
    {
        const bool released = event->type() == QEvent::KeyRelease;
        // X11 repeats a held key as release and press pairs; a held key
        // repeats as presses on every system.
        if (released && event->isAutoRepeat())
            return;
        const int evdev = EvdevKeyMap::fromNativeScanCode(event->nativeScanCode());
        const EvdevKeyMap::ScanCode scan = EvdevKeyMap::toScanCode(evdev);
        if (evdev == kLeftAltEvdev)
            m_leftAlt = !released;
        else if (evdev == kRightAltEvdev)
            m_rightAlt = !released;
        if (scan.code == 0)
            return;
        quint8 flags = 0;
        if (scan.extended)
            flags |= kExtended;
        if (released)
            flags |= kReleased;
        if (m_leftAlt || m_rightAlt)
            flags |= kAltDown;
        Q_EMIT keyCaptured(scan.code, flags);
    }

    QPointer<QWindow> m_window;
    bool m_active = false;
    bool m_grabbed = false;
    bool m_leftAlt = false;
    bool m_rightAlt = false;
};

} // namespace

std::unique_ptr<KeyboardCapture> createKeyboardCapture()
{
    return std::make_unique<LinuxKeyboardCapture>();
}
