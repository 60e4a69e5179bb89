#pragma once

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
    DeviceLink& link() { return *m_link; }
    HidBackend& backend() { return *m_backend; }
    // The virtual mouse, or null for real devices.
    VirtualMouse* virtualMouse() const { return m_virtual.get(); }
    const AppPaths& paths() const { return m_paths; }

private:
    AppPaths m_paths;
    std::shared_ptr<VirtualMouse> m_virtual;
    std::shared_ptr<HidBackend> m_backend;
    std::unique_ptr<DeviceLink> m_link;
};
