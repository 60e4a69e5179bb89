// SPDX-License-Identifier: GPL-3.0-or-later
#include "sim/VirtualFirmware.h"

#include <algorithm>
#include <chrono>
#include <limits>

namespace {
// Input reports a handle keeps before the oldest is dropped, as the kernel's
// per-reader buffer does.
constexpr size_t kQueueLimit = 64;
constexpr int kReportSize = 32;
constexpr int kTraceLimit = 100000;
constexpr int kMouseInterface = 0;
constexpr int kVendorInterface = 2;

HidDeviceInfo interfaceInfo(quint16 vendorId, quint16 productId, quint16 release, bool vendor)
{
    HidDeviceInfo info;
    info.vendorId = vendorId;
    info.productId = productId;
    info.releaseNumber = release;
    info.usagePage = vendor ? 0xFF00 : 0x0001;
    info.usage = vendor ? 0xFF00 : 0x0002;
    info.interfaceNumber = vendor ? kVendorInterface : kMouseInterface;
    // Shaped like a Windows interface name, so that the same classification
    // of arrivals and removals works on it.
    info.path = QStringLiteral("virtual:HID#VID_%1&PID_%2&MI_%3")
                    .arg(QString::number(vendorId, 16).toUpper().rightJustified(4, QLatin1Char('0')),
                         QString::number(productId, 16).toUpper().rightJustified(4, QLatin1Char('0')),
                         QString::number(info.interfaceNumber).rightJustified(2, QLatin1Char('0')))
                    .toLatin1();
    return info;
}

// The firmware answers a command with its echo exactly when the host reads
// one back: payload byte 3 at most 10, or one of the two commit opcodes.
bool echoes(const CommandDecoder::Payload& payload)
{
    return payload[3] <= 10 || payload[3] == 0x40 || payload[3] == 0x46;
}
} // namespace

VirtualFirmware::VirtualFirmware(const VirtualMouseOptions& options, std::shared_ptr<Clock> clock)
    : m_options(options), m_clock(std::move(clock))
{
    const quint16 products[2] = {options.receiverProductId, options.cableProductId};
    for (const VirtualIdentity identity : {VirtualIdentity::Receiver, VirtualIdentity::Cable}) {
        const quint16 product = products[int(identity)];
        for (const bool vendor : {false, true})
            m_interfaces.append(
                {interfaceInfo(options.vendorId, product, options.releaseNumber, vendor), identity, vendor});
    }
    m_plugged[int(VirtualIdentity::Receiver)] = options.receiverPlugged;
    m_plugged[int(VirtualIdentity::Cable)] = options.cablePlugged;
}

QVector<HidDeviceInfo> VirtualFirmware::enumerate(quint16 vendorId, quint16 productId) const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    QVector<HidDeviceInfo> present;
    for (const Interface& iface : m_interfaces) {
        if (m_plugged[int(iface.identity)])
            present.append(iface.info);
    }
    present += m_options.otherDevices;
    present.erase(std::remove_if(present.begin(), present.end(),
                                 [&](const HidDeviceInfo& info) {
                                     return (vendorId != 0 && info.vendorId != vendorId) ||
                                            (productId != 0 && info.productId != productId);
                                 }),
                  present.end());
    return present;
}

const VirtualFirmware::Interface* VirtualFirmware::interfaceAt(const QByteArray& path) const
{
    for (const Interface& iface : m_interfaces) {
        if (iface.info.path == path && m_plugged[int(iface.identity)])
            return &iface;
    }
    return nullptr;
}

int VirtualFirmware::releaseNumber(const QByteArray& path) const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    const Interface* iface = interfaceAt(path);
    return iface ? iface->info.releaseNumber : -1;
}

int VirtualFirmware::openHandle(const QByteArray& path)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    const Interface* iface = interfaceAt(path);
    if (!iface)
        return -1;
    const int id = m_nextHandle++;
    m_handles[id] = OpenHandle{int(iface - m_interfaces.constData()), m_generation[int(iface->identity)], {}};
    return id;
}

void VirtualFirmware::closeHandle(int handle)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_handles.erase(handle);
}

bool VirtualFirmware::isLive(const OpenHandle& handle) const
{
    const int identity = int(m_interfaces[handle.interfaceIndex].identity);
    return m_plugged[identity] && handle.generation == m_generation[identity];
}

int VirtualFirmware::write(int handleId, const quint8* data, int length)
{
    TraceRecord record;
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        ++m_counters.writes;
        ++m_reportNumber;
        armScheduledFaults(true);
        const auto it = m_handles.find(handleId);
        const bool writable = it != m_handles.end() && isLive(it->second) &&
                              m_interfaces[it->second.interfaceIndex].vendor && data && length > 0;
        if (!writable || VirtualMouseFaults::take(m_faults.failingWrites)) {
            ++m_counters.writeErrors;
            return -1;
        }
        const qint64 now = m_clock->nowUs();
        record = {TraceRecord::Written, m_interfaces[it->second.interfaceIndex].info.path,
                  QByteArray(reinterpret_cast<const char*>(data), length), now};
        appendTrace(record);

        // The mouse uses no report ids: anything but report 0 is not for it.
        if (data[0] == 0) {
            CommandDecoder::Payload payload{};
            std::copy_n(data + 1, std::min(length - 1, kReportSize), payload.begin());
            bool isEcho = false;
            const QByteArray reply = replyTo(payload, isEcho);
            if (!reply.isEmpty())
                queueReport(it->second.interfaceIndex,
                            {reply, now + m_options.writeLatencyUs + m_options.replyLatencyUs, isEcho});
        }
        armScheduledFaults(false);
    }
    notify(record);
    m_clock->sleepUs(m_options.writeLatencyUs);
    return length;
}

QByteArray VirtualFirmware::replyTo(const CommandDecoder::Payload& payload, bool& isEcho)
{
    const CommandDecoder::Kind kind = CommandDecoder::apply(payload, m_state);
    isEcho = false;
    if (kind == CommandDecoder::Kind::StatusQuery)
        return statusReport();
    if (!echoes(payload))
        return QByteArray();
    isEcho = true;
    return QByteArray(reinterpret_cast<const char*>(payload.data()), kReportSize);
}

QByteArray VirtualFirmware::statusReport() const
{
    CommandDecoder::Payload report{};
    report[0] = 0x0A;
    report[1] = 0xAA;
    report[2] = 0xFF;
    report[3] = 0xDD;
    report[4] = m_state.batteryLevel;
    report[5] = m_state.batteryExtra;
    report[6] = m_state.dpiStage & 0x0F;
    report[7] = m_state.pollRate;
    report[31] = CommandDecoder::checksum(report);
    return QByteArray(reinterpret_cast<const char*>(report.data()), kReportSize);
}

void VirtualFirmware::queueReport(int interfaceIndex, const PendingReport& report)
{
    // Every reader of an interface gets its own copy of an input report.
    for (auto& entry : m_handles) {
        OpenHandle& handle = entry.second;
        if (handle.interfaceIndex != interfaceIndex || !isLive(handle))
            continue;
        if (handle.queue.size() >= kQueueLimit)
            handle.queue.pop_front();
        handle.queue.push_back(report);
    }
    m_reportArrived.notify_all();
}

void VirtualFirmware::queueOnVendorInterfaces(const QByteArray& bytes)
{
    for (int index = 0; index < m_interfaces.size(); ++index) {
        if (m_interfaces[index].vendor)
            queueReport(index, {bytes, m_clock->nowUs(), false});
    }
}

int VirtualFirmware::read(int handleId, quint8* data, int length, int timeoutMs)
{
    QByteArray received;
    QByteArray path;
    int result = 0;
    {
        std::unique_lock<std::mutex> lock(m_mutex);
        ++m_counters.reads;
        result =
            m_options.realTime ? readRealTime(lock, handleId, timeoutMs) : readVirtual(handleId, timeoutMs);
        if (result > 0) {
            const auto it = m_handles.find(handleId);
            result = takeReport(it->second, data, length, received);
            path = m_interfaces[it->second.interfaceIndex].info.path;
            appendTrace({TraceRecord::Read, path, received, m_clock->nowUs()});
        } else if (result == 0) {
            ++m_counters.readTimeouts;
        } else {
            ++m_counters.readErrors;
        }
    }
    if (result > 0)
        notify({TraceRecord::Read, path, received, m_clock->nowUs()});
    return result;
}

// 1 when a report is ready to be taken, 0 after a time-out, -1 on a dead
// handle. Never blocks: waiting moves the virtual clock.
int VirtualFirmware::readVirtual(int handleId, int timeoutMs)
{
    const auto it = m_handles.find(handleId);
    if (it == m_handles.end() || !isLive(it->second))
        return -1;
    const OpenHandle& handle = it->second;
    const qint64 timeoutUs = qint64(std::max(timeoutMs, 0)) * 1000;
    if (VirtualMouseFaults::take(m_faults.timedOutReads) || handle.queue.empty()) {
        m_clock->sleepUs(timeoutUs);
        return 0;
    }
    const qint64 waitUs = handle.queue.front().readyAtUs - m_clock->nowUs();
    if (timeoutMs >= 0 && waitUs > timeoutUs) {
        m_clock->sleepUs(timeoutUs);
        return 0;
    }
    m_clock->sleepUs(waitUs);
    return 1;
}

// As readVirtual, but waits for real until a report is due, the time-out
// passes or the device goes away.
int VirtualFirmware::readRealTime(std::unique_lock<std::mutex>& lock, int handleId, int timeoutMs)
{
    const qint64 deadline =
        timeoutMs < 0 ? std::numeric_limits<qint64>::max() : m_clock->nowUs() + qint64(timeoutMs) * 1000;
    const bool timesOut = VirtualMouseFaults::take(m_faults.timedOutReads);
    for (;;) {
        const auto it = m_handles.find(handleId);
        if (it == m_handles.end() || !isLive(it->second))
            return -1;
        const qint64 now = m_clock->nowUs();
        qint64 wakeAt = deadline;
        if (!timesOut && !it->second.queue.empty()) {
            if (it->second.queue.front().readyAtUs <= now)
                return 1;
            wakeAt = std::min(wakeAt, it->second.queue.front().readyAtUs);
        }
        if (now >= deadline)
            return 0;
        m_reportArrived.wait_for(lock, std::chrono::microseconds(std::min<qint64>(wakeAt - now, 1000000)));
    }
}

// A corrupted echo is sent in place of the right one, which stays due, so a
// mouse with this fault keeps answering wrongly for as long as it lasts. A
// zero reply replaces the report it stands for.
int VirtualFirmware::takeReport(OpenHandle& handle, quint8* data, int length, QByteArray& taken)
{
    QByteArray report = handle.queue.front().bytes;
    if (handle.queue.front().echo && VirtualMouseFaults::take(m_faults.corruptedEchoes)) {
        const int byte = qBound(0, m_faults.corruptedByte, kReportSize - 1);
        report[byte] = char(report[byte] ^ 0xFF);
    } else {
        handle.queue.pop_front();
        if (VirtualMouseFaults::take(m_faults.zeroReplies))
            report.fill(0);
    }
    taken = report.left(std::max(length, 0));
    std::copy_n(reinterpret_cast<const quint8*>(taken.constData()), taken.size(), data);
    return taken.size();
}

QVector<HidDeviceInfo> VirtualFirmware::setPlugged(VirtualIdentity identity, bool plugged)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    if (m_plugged[int(identity)] == plugged)
        return {};
    m_plugged[int(identity)] = plugged;
    if (!plugged)
        ++m_generation[int(identity)];
    m_reportArrived.notify_all();
    QVector<HidDeviceInfo> changed;
    for (const Interface& iface : m_interfaces) {
        if (iface.identity == identity)
            changed.append(iface.info);
    }
    return changed;
}

bool VirtualFirmware::isPlugged(VirtualIdentity identity) const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_plugged[int(identity)];
}

QVector<HidDeviceInfo> VirtualFirmware::interfacesOf(VirtualIdentity identity) const
{
    QVector<HidDeviceInfo> infos;
    for (const Interface& iface : m_interfaces) {
        if (iface.identity == identity)
            infos.append(iface.info);
    }
    return infos;
}

void VirtualFirmware::sendStatusReport()
{
    std::lock_guard<std::mutex> lock(m_mutex);
    queueOnVendorInterfaces(statusReport());
}

void VirtualFirmware::pressDpiButton(int stageCount)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_state.dpiStage = quint8((m_state.dpiStage + 1) % std::max(stageCount, 1));
    queueOnVendorInterfaces(statusReport());
}

void VirtualFirmware::setBattery(quint8 level, quint8 extra)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_state.batteryLevel = level;
    m_state.batteryExtra = extra;
}

OnBoardState VirtualFirmware::state() const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_state;
}

void VirtualFirmware::setState(const OnBoardState& state)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_state = state;
}

VirtualMouseFaults VirtualFirmware::faults() const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_faults;
}

void VirtualFirmware::setFaults(const VirtualMouseFaults& faults)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_faults = faults;
}

QVector<TraceRecord> VirtualFirmware::trace() const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_trace;
}

void VirtualFirmware::clearTrace()
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_trace.clear();
}

VirtualMouseCounters VirtualFirmware::counters() const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_counters;
}

void VirtualFirmware::resetCounters()
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_counters = {};
}

void VirtualFirmware::setTraceObserver(std::function<void(const TraceRecord&)> observer)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_observer = std::move(observer);
}

// Write errors are armed before the write they hit; the other faults after
// it, so that they hit what the host reads for it.
void VirtualFirmware::armScheduledFaults(bool beforeWrite)
{
    for (const ScheduledFault& fault : m_options.scheduledFaults) {
        if (fault.atReport != m_reportNumber || (fault.kind == ScheduledFault::WriteError) != beforeWrite)
            continue;
        switch (fault.kind) {
        case ScheduledFault::WriteError:
            m_faults.failingWrites = fault.amount;
            break;
        case ScheduledFault::Timeout:
            m_faults.timedOutReads = fault.amount;
            break;
        case ScheduledFault::ZeroReplies:
            m_faults.zeroReplies = fault.amount;
            break;
        case ScheduledFault::BadEcho:
            m_faults.corruptedEchoes = 1;
            m_faults.corruptedByte = fault.amount;
            break;
        case ScheduledFault::Unplug:
            unplugAllLocked();
            break;
        }
    }
}

// As a pulled receiver or cable: every handle dies. No removal is announced;
// the host finds out from its failing reads and writes.
void VirtualFirmware::unplugAllLocked()
{
    for (const VirtualIdentity identity : {VirtualIdentity::Receiver, VirtualIdentity::Cable}) {
        if (m_plugged[int(identity)])
            ++m_generation[int(identity)];
        m_plugged[int(identity)] = false;
    }
    m_reportArrived.notify_all();
}

void VirtualFirmware::appendTrace(const TraceRecord& record)
{
    // A mouse left running for days must not fill the memory with its trace.
    if (m_trace.size() >= kTraceLimit)
        m_trace.remove(0, kTraceLimit / 2);
    m_trace.append(record);
}

void VirtualFirmware::notify(const TraceRecord& record)
{
    std::function<void(const TraceRecord&)> observer;
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        observer = m_observer;
    }
    if (observer)
        observer(record);
}
