// SPDX-License-Identifier: GPL-3.0-or-later
#include "sim/VirtualMouse.h"

#include "hid/SystemClock.h"
#include "hid/VirtualClock.h"
#include "sim/VirtualHidDevice.h"

#include <QJsonDocument>

namespace {
std::shared_ptr<Clock> defaultClock(const VirtualMouseOptions& options)
{
    if (options.realTime)
        return std::make_shared<SystemClock>();
    return std::make_shared<VirtualClock>();
}
} // namespace

VirtualMouse::VirtualMouse(const VirtualMouseOptions& options, std::shared_ptr<Clock> clock)
    : m_clock(clock ? std::move(clock) : defaultClock(options)),
      m_firmware(std::make_shared<VirtualFirmware>(options, m_clock))
{
    qRegisterMetaType<HidDeviceInfo>();
    qRegisterMetaType<VirtualIdentity>();
}

VirtualMouse::~VirtualMouse() = default;

bool VirtualMouse::init()
{
    return !m_initFails;
}

QVector<HidDeviceInfo> VirtualMouse::enumerate(quint16 vendorId, quint16 productId)
{
    return m_firmware->enumerate(vendorId, productId);
}

std::unique_ptr<HidDevice> VirtualMouse::open(const QByteArray& path)
{
    const int handle = m_firmware->openHandle(path);
    if (handle < 0)
        return nullptr;
    return std::make_unique<VirtualHidDevice>(m_firmware, handle);
}

int VirtualMouse::releaseNumber(const QByteArray& path)
{
    return m_firmware->releaseNumber(path);
}

void VirtualMouse::plug(VirtualIdentity identity)
{
    for (const HidDeviceInfo& info : m_firmware->setPlugged(identity, true))
        emit interfaceArrived(info);
}

void VirtualMouse::unplug(VirtualIdentity identity)
{
    for (const HidDeviceInfo& info : m_firmware->setPlugged(identity, false))
        emit interfaceRemoved(info);
}

bool VirtualMouse::isPlugged(VirtualIdentity identity) const
{
    return m_firmware->isPlugged(identity);
}

QVector<HidDeviceInfo> VirtualMouse::interfaces(VirtualIdentity identity) const
{
    return m_firmware->interfacesOf(identity);
}

void VirtualMouse::pressDpiButton()
{
    m_firmware->pressDpiButton(m_dpiStageCount);
}

void VirtualMouse::setDpiStageCount(int count)
{
    m_dpiStageCount = qBound(1, count, OnBoardState::kDpiStages);
}

void VirtualMouse::sendStatusReport()
{
    m_firmware->sendStatusReport();
}

void VirtualMouse::setBattery(quint8 level, quint8 extra)
{
    m_firmware->setBattery(level, extra);
}

void VirtualMouse::setInitFails(bool fails)
{
    m_initFails = fails;
}

OnBoardState VirtualMouse::state() const
{
    return m_firmware->state();
}

void VirtualMouse::setState(const OnBoardState& state)
{
    m_firmware->setState(state);
}

QByteArray VirtualMouse::stateJson() const
{
    return QJsonDocument(state().toJson()).toJson(QJsonDocument::Indented);
}

VirtualMouseFaults VirtualMouse::faults() const
{
    return m_firmware->faults();
}

void VirtualMouse::setFaults(const VirtualMouseFaults& faults)
{
    m_firmware->setFaults(faults);
}

QVector<TraceRecord> VirtualMouse::trace() const
{
    return m_firmware->trace();
}

void VirtualMouse::clearTrace()
{
    m_firmware->clearTrace();
}

VirtualMouseCounters VirtualMouse::counters() const
{
    return m_firmware->counters();
}

void VirtualMouse::resetCounters()
{
    m_firmware->resetCounters();
}

void VirtualMouse::setTraceObserver(std::function<void(const TraceRecord&)> observer)
{
    m_firmware->setTraceObserver(std::move(observer));
}
