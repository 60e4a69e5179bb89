#include "cli/CliSession.h"

#include "cli/CliOptions.h"
#include "cli/TracingBackend.h"
#include "hid/DeviceLink.h"
#include "hid/HidapiBackend.h"
#include "hid/SystemClock.h"
#include "sim/VirtualMouse.h"
#include "storage/AppConfig.h"

CliSession::CliSession(const CliOptions& options, const AppPaths& paths, LineSink traceSink) : m_paths(paths)
{
    std::shared_ptr<Clock> clock;
    if (options.virtualMouse) {
        m_virtual = std::make_shared<VirtualMouse>();
        m_backend = m_virtual;
        clock = m_virtual->clock();
    } else {
        m_backend = createHidapiBackend();
        clock = std::make_shared<SystemClock>();
    }
    if (options.trace)
        m_backend = std::make_shared<TracingBackend>(m_backend, std::move(traceSink));
    m_link = std::make_unique<DeviceLink>(m_backend, clock);
}

CliSession::~CliSession()
{
    m_link->closeAll();
    m_link->shutdown();
}

bool CliSession::open()
{
    const QString name = QString::fromLatin1(AppConfig(m_paths).mouseListName());
    m_link->reset(name);
    if (m_link->scan() != 0)
        return false;
    m_link->open(name);
    return m_link->vendorHandle() != nullptr;
}
