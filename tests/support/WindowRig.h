// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "app/MousecfgWidget.h"
#include "app/WindowSetup.h"
#include "platform/PlatformServices.h"
#include "platform/fake/FakeKeyboardCapture.h"
#include "platform/fake/FakeOnScreenDisplay.h"
#include "platform/fake/FakePointerSpeed.h"
#include "platform/fake/FakeProgramLauncher.h"
#include "sim/DeviceSetup.h"
#include "sim/VirtualMouse.h"
#include "support/ScriptedPrompts.h"
#include "support/TempAppDir.h"
#include "widgets/UiSettings.h"

#include <QPointer>
#include <memory>
#include <optional>

class DeviceDiscovery;
class DeviceSession;
class ProfileWorkspace;

// The main window as start-up builds it, on a virtual mouse (virtual time)
// and the fake system services, in a temporary application directory.
// Build the rig, adjust the mouse or the files, then open() the window.
class WindowRig
{
public:
    explicit WindowRig(const VirtualMouseOptions& options = VirtualMouseOptions(), bool withData = true);
    ~WindowRig();

    // A virtual mouse that is not plugged in: the window finds no mouse.
    static VirtualMouseOptions unplugged();

    MousecfgWidget& open();
    // The window's own message boxes and file dialogs instead of the scripted
    // answers of prompts(); call before open().
    void useWindowPrompts() { m_windowPrompts = true; }
    // Answers the window's questions unless useWindowPrompts() was called.
    ScriptedPrompts& prompts() { return m_prompts; }
    MousecfgWidget& window() { return *m_window; }
    // Waits until the window's file writer has written what it holds.
    void flushFiles();
    void close() { m_window.reset(); }

    VirtualMouse& mouse() { return *m_devices.virtualMouse; }
    DeviceLink& link() { return *m_devices.services->link; }
    const TempAppDir& dir() const { return m_dir; }
    AppPaths paths() const { return m_dir.paths(); }
    UiSettings& ui() { return m_ui; }

    FakePointerSpeed& pointerSpeed() { return *m_pointerSpeed; }
    FakeOnScreenDisplay& onScreenDisplay() { return *m_osd; }
    FakeProgramLauncher& launcher() { return *m_launcher; }
    // The keyboard captures the window's dialogs made, newest last.
    QVector<QPointer<FakeKeyboardCapture>> keyboardCaptures() const { return m_captures; }
    // Starts the window with a system pointer speed of `speed` (or none).
    void setSystemPointerSpeed(std::optional<int> speed);

    // The window's parts, found by object name.
    template <typename T> T* find(const QString& objectName) const
    {
        return m_window ? m_window->findChild<T*>(objectName) : nullptr;
    }
    DeviceDiscovery& discovery() const;
    DeviceSession& session() const;
    ProfileWorkspace& workspace() const;

private:
    TempAppDir m_dir;
    DeviceSetup m_devices;
    UiSettings m_ui;
    PlatformServices m_platform;
    FakePointerSpeed* m_pointerSpeed = nullptr;
    FakeOnScreenDisplay* m_osd = nullptr;
    FakeProgramLauncher* m_launcher = nullptr;
    QVector<QPointer<FakeKeyboardCapture>> m_captures;
    ScriptedPrompts m_prompts;
    bool m_windowPrompts = false;
    std::unique_ptr<WindowSetup> m_setup;
    std::unique_ptr<MousecfgWidget> m_window;
};
