// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/WindowRig.h"

#include "app/DeviceDiscovery.h"
#include "app/VirtualDeviceNotifier.h"
#include "device/DeviceSession.h"
#include "storage/FileStore.h"
#include "storage/ProfileWorkspace.h"

#include <QTest>

namespace {

DeviceSetup virtualDevices(const VirtualMouseOptions& options)
{
    DeviceOptions devices;
    devices.virtualMouse = true;
    devices.virtualOptions = options;
    return createDeviceSetup(devices);
}

} // namespace

WindowRig::WindowRig(const VirtualMouseOptions& options, bool withData)
    : m_dir(withData), m_devices(virtualDevices(options))
{
    setSystemPointerSpeed(std::nullopt);
    auto osd = std::make_unique<FakeOnScreenDisplay>();
    m_osd = osd.get();
    m_platform.onScreenDisplay = std::move(osd);
    auto launcher = std::make_unique<FakeProgramLauncher>();
    m_launcher = launcher.get();
    m_platform.launcher = std::move(launcher);
    m_platform.makeKeyboardCapture = [this] {
        auto capture = std::make_unique<FakeKeyboardCapture>();
        m_captures.append(capture.get());
        return std::unique_ptr<KeyboardCapture>(std::move(capture));
    };
}

WindowRig::~WindowRig()
{
    m_window.reset();
}

VirtualMouseOptions WindowRig::unplugged()
{
    VirtualMouseOptions options;
    options.receiverPlugged = false;
    return options;
}

void WindowRig::setSystemPointerSpeed(std::optional<int> speed)
{
    auto pointerSpeed = std::make_unique<FakePointerSpeed>(speed);
    m_pointerSpeed = pointerSpeed.get();
    m_platform.pointerSpeed = std::move(pointerSpeed);
}

MousecfgWidget& WindowRig::open()
{
    m_window.reset();
    m_setup.reset(new WindowSetup{m_dir.paths(), *m_devices.services, m_ui, m_platform,
                                  std::make_unique<VirtualDeviceNotifier>(*m_devices.virtualMouse), nullptr,
                                  m_windowPrompts ? nullptr : &m_prompts});
    m_window = std::make_unique<MousecfgWidget>(*m_setup);
    // The start is over (the tray, every tab's pages) and what it wrote is on
    // disk before the test looks.
    if (!QTest::qWaitFor([this] { return m_window->isStartFinished(); }))
        qWarning("the window's start did not finish");
    flushFiles();
    return *m_window;
}

void WindowRig::flushFiles()
{
    (void)m_dir.paths().store().flush();
}

DeviceDiscovery& WindowRig::discovery() const
{
    return *m_window->findChild<DeviceDiscovery*>(QStringLiteral("deviceDiscovery"));
}

DeviceSession& WindowRig::session() const
{
    return *m_window->findChild<DeviceSession*>(QStringLiteral("deviceSession"));
}

ProfileWorkspace& WindowRig::workspace() const
{
    return *m_window->findChild<ProfileWorkspace*>(QStringLiteral("profileWorkspace"));
}
