// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "sim/DeviceSetup.h"
#include "storage/AppPaths.h"

#include <QByteArray>
#include <functional>
#include <memory>

class DeviceLink;
class HidBackend;
class VirtualMouse;
struct CliOptions;

// The link to the mouse for one run of the tool: the HID devices or a
// virtual mouse, traced when asked, opened by the configured model name.
class CliSession
{
public:
    using LineSink = std::function<void(const QByteArray& line)>;

    CliSession(const CliOptions& options, const AppPaths& paths, LineSink traceSink);
    ~CliSession();

    // Finds and opens the mouse; false when no vendor interface could be
    // opened (or the HID library cannot be used).
    bool open();
    DeviceLink& link() { return *m_devices.services->link; }
    HidBackend& backend() { return *m_devices.services->backend; }
    // The virtual mouse, or null for real devices.
    VirtualMouse* virtualMouse() const { return m_devices.virtualMouse.get(); }
    const AppPaths& paths() const { return m_paths; }

private:
    AppPaths m_paths;
    DeviceSetup m_devices;
};
