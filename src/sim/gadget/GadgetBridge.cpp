// SPDX-License-Identifier: GPL-3.0-or-later
#include "sim/gadget/GadgetBridge.h"

#include "hid/SystemClock.h"
#include "sim/VirtualMouse.h"
#include "sim/gadget/GadgetFaults.h"

#include <QDebug>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <poll.h>
#include <sys/eventfd.h>
#include <unistd.h>

namespace {

constexpr int kPayloadSize = 32;
// The host's read waits 150 ms and pauses 50 ms before the next: a reply held
// back this long per counted read arrives after that many reads timed out.
constexpr int kReadCycleMs = 200;
// As the kernel's per-reader buffer: the oldest report goes first.
constexpr size_t kPendingLimit = 64;

qint64 nowMs()
{
    return SystemClock().nowUs() / 1000;
}

} // namespace

GadgetBridge::GadgetBridge(VirtualMouse& mouse, VirtualIdentity identity, GadgetFaults& faults,
                           UnplugRequest unplug)
    : m_mouse(mouse), m_identity(identity), m_faults(faults), m_unplug(std::move(unplug))
{
}

GadgetBridge::~GadgetBridge()
{
    stop();
}

bool GadgetBridge::start(QString& error)
{
    for (const HidDeviceInfo& info : m_mouse.interfaces(m_identity)) {
        if (info.usagePage == 0xFF00)
            m_device = m_mouse.open(info.path);
    }
    if (!m_device) {
        error = QStringLiteral("the virtual mouse's vendor interface cannot be opened");
        return false;
    }
    m_wake = eventfd(0, EFD_NONBLOCK | EFD_CLOEXEC);
    m_thread = std::thread([this] { run(); });
    return true;
}

void GadgetBridge::stop()
{
    if (m_thread.joinable()) {
        m_stop = true;
        wake();
        m_thread.join();
    }
    if (m_node >= 0)
        ::close(m_node);
    if (m_wake >= 0)
        ::close(m_wake);
    m_node = m_wake = -1;
    m_device.reset();
}

void GadgetBridge::attach(const QString& node)
{
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        m_wantedNode = node;
    }
    wake();
}

void GadgetBridge::detach()
{
    attach(QString());
}

// Opens or closes the node as asked, on the bridge's thread, which alone
// uses it.
void GadgetBridge::followAttachment()
{
    QString wanted;
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        wanted = m_wantedNode;
    }
    if (wanted == m_openNode && (m_node >= 0) == m_connected)
        return;
    if (m_node >= 0)
        ::close(m_node);
    m_node = -1;
    m_pending.clear();
    m_openNode = wanted;
    if (!wanted.isEmpty()) {
        m_node = ::open(wanted.toLocal8Bit().constData(), O_RDWR | O_NONBLOCK | O_CLOEXEC);
        if (m_node < 0)
            qWarning("mousecfg-gadget: cannot open %s: %s", qPrintable(wanted), std::strerror(errno));
    }
    m_connected = m_node >= 0;
}

void GadgetBridge::wake()
{
    if (m_wake >= 0) {
        const quint64 one = 1;
        (void)!::write(m_wake, &one, sizeof one);
    }
}

void GadgetBridge::run()
{
    while (!m_stop) {
        // Writable is asked for only when a report is due: a held-back one
        // waits out the poll's time-out instead.
        const bool due = !m_pending.empty() && m_pending.front().notBeforeMs <= nowMs();
        pollfd fds[2] = {{m_wake, POLLIN, 0}, {m_node, short(POLLIN | (due ? POLLOUT : 0)), 0}};
        if (::poll(fds, m_node >= 0 ? 2 : 1, pollTimeoutMs()) < 0 && errno != EINTR)
            break;
        if (fds[0].revents & POLLIN) {
            quint64 count = 0;
            (void)!::read(m_wake, &count, sizeof count);
        }
        followAttachment();
        takeOutputReports();
        collectReplies();
        sendPending();
    }
}

int GadgetBridge::pollTimeoutMs() const
{
    if (m_pending.empty())
        return 1000;
    // A due report waits for the host to take the last one (the node turns
    // writable); a held-back one for its time.
    const qint64 wait = m_pending.front().notBeforeMs - nowMs();
    return wait <= 0 ? 1000 : int(qMin<qint64>(wait, 1000));
}

void GadgetBridge::takeOutputReports()
{
    quint8 buffer[64];
    while (m_node >= 0) {
        const ssize_t received = ::read(m_node, buffer, sizeof buffer);
        if (received <= 0)
            return;
        if (m_connected)
            forward(buffer, int(received));
    }
}

void GadgetBridge::forward(const quint8* payload, int length)
{
    // The host wrote report id 0 and the payload; the kernel sent the
    // payload alone, since the interface has no report ids.
    quint8 report[1 + kPayloadSize] = {};
    std::memcpy(report + 1, payload, size_t(qMin(length, kPayloadSize)));
    if (m_device->write(report, sizeof report) < 0)
        qWarning("mousecfg-gadget: the virtual mouse refused a report");
    const FaultSchedule due = m_faults.count();
    VirtualMouseFaults faults = m_mouse.faults();
    for (const ScheduledFault& fault : due) {
        switch (fault.kind) {
        case ScheduledFault::Timeout:
            m_delayNextReplyMs = fault.amount * kReadCycleMs;
            break;
        case ScheduledFault::ZeroReplies:
            faults.zeroReplies = fault.amount;
            break;
        case ScheduledFault::BadEcho:
            faults.corruptedEchoes = 1;
            faults.corruptedByte = fault.amount;
            break;
        case ScheduledFault::Unplug:
            // Pulled out right after this report: its reply never leaves.
            ::close(m_node);
            m_node = -1;
            m_connected = false;
            m_unplug();
            break;
        case ScheduledFault::WriteError:
            break;
        }
    }
    if (!due.isEmpty())
        m_mouse.setFaults(faults);
}

void GadgetBridge::collectReplies()
{
    quint8 reply[64];
    for (;;) {
        const int received = m_device->read(reply, kPayloadSize, 0);
        if (received <= 0)
            return;
        if (!m_connected)
            continue;
        if (m_pending.size() >= kPendingLimit)
            m_pending.pop_front();
        m_pending.push_back(
            {QByteArray(reinterpret_cast<const char*>(reply), received), nowMs() + m_delayNextReplyMs});
        m_delayNextReplyMs = 0;
    }
}

void GadgetBridge::sendPending()
{
    while (!m_pending.empty() && m_connected && m_pending.front().notBeforeMs <= nowMs()) {
        const QByteArray& bytes = m_pending.front().bytes;
        const ssize_t written = ::write(m_node, bytes.constData(), size_t(bytes.size()));
        if (written < 0 && errno == EAGAIN)
            return; // the host has not taken the last one yet
        if (written < 0)
            qWarning("mousecfg-gadget: input report lost: %s", std::strerror(errno));
        m_pending.pop_front();
    }
    if (!m_connected)
        m_pending.clear();
}
