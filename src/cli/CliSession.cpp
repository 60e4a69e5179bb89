// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/CliSession.h"

#include "cli/CliOptions.h"
#include "device/ModelChoice.h"
#include "hid/DeviceLink.h"
#include "storage/AppConfig.h"

namespace {

DeviceOptions deviceOptions(const CliOptions& options, CliSession::LineSink traceSink)
{
    DeviceOptions devices;
    devices.virtualMouse = options.virtualMouse;
    devices.virtualOptions.scheduledFaults = options.faults;
    if (options.trace)
        devices.trace = std::move(traceSink);
    return devices;
}

} // namespace

CliSession::CliSession(const CliOptions& options, const AppPaths& paths, LineSink traceSink)
    : m_paths(paths), m_devices(createDeviceSetup(deviceOptions(options, std::move(traceSink))))
{
}

CliSession::~CliSession()
{
    link().closeAll();
    link().shutdown();
}

bool CliSession::open()
{
    AppConfig config(m_paths);
    ModelChoice::findAndOpen(link(), QString::fromLatin1(config.mouseListName()), config.profileModelName());
    return link().vendorHandle() != nullptr;
}
