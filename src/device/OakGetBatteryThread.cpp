// SPDX-License-Identifier: GPL-3.0-or-later
#include "device/OakGetBatteryThread.h"

#include "hid/DeviceLink.h"
#include "protocol/CommandBuilder.h"
#include "protocol/StatusReply.h"

#include <QLoggingCategory>

#include <algorithm>

Q_LOGGING_CATEGORY(lcStatusPoll, "mousecfg.status")

namespace {

constexpr int kReportLength = kReportSize;
constexpr int kBufferSize = 64;
constexpr int kCyclePauseMs = 10;
constexpr int kQueryPauseMs = 100;

} // namespace

// A report heard, or none (length 0) when the time passed or a stop came.
struct OakGetBatteryThread::Heard
{
    quint8 bytes[kBufferSize] = {};
    int length = 0;

    StatusReply status() const { return StatusReply::parse(bytes, length); }
};

// Listens for up to kListenMs, a slice at a time, so that a stop asked for
// meanwhile ends the listening within a slice.
OakGetBatteryThread::Heard OakGetBatteryThread::listen(DeviceHandle& handle)
{
    Heard heard;
    for (int waited = 0; waited < kListenMs && !m_stop.isRaised(); waited += kListenSliceMs) {
        heard.length = handle.read(heard.bytes, kReportLength, std::min(kListenSliceMs, kListenMs - waited));
        if (heard.length != 0)
            break;
    }
    return heard;
}

OakGetBatteryThread::OakGetBatteryThread(DeviceLink& link, QObject* parent) : QThread(parent), m_link(link)
{
    qRegisterMetaType<quint8>("quint8");
}

OakGetBatteryThread::~OakGetBatteryThread()
{
    stop();
}

void OakGetBatteryThread::requestStop()
{
    m_stop.raise();
}

void OakGetBatteryThread::stop()
{
    m_stop.raise();
    if (isRunning() && QThread::currentThread() != this)
        wait();
}

void OakGetBatteryThread::run()
{
    qCDebug(lcStatusPoll) << "OakGetBatteryThread.";
    m_counter = 0;
    while (!m_stop.isRaised() && runCycle()) {
    }
    qCDebug(lcStatusPoll) << "OakGetBatteryThread Stop.";
}

bool OakGetBatteryThread::runCycle()
{
    const std::shared_ptr<DeviceHandle> handle = m_link.vendorHandle();
    if (!handle) {
        emit RefreshBatteryStatus(0, 0, 0);
        return false;
    }
    const Heard heard = listen(*handle);
    if (m_link.clock().sleepMsUnless(kCyclePauseMs, m_stop))
        return false;

    if (m_counter != 0) {
        const StatusReply status = heard.status();
        if (status.valid) {
            qCDebug(lcStatusPoll).noquote() << status.logText("s");
            reportStatus(status.dpiStage, status.reportRate);
        }
        if (++m_counter >= kQueryPeriod)
            m_counter = 0;
    }
    if (m_counter == 0)
        return queryCycle();
    return true;
}

// Only news reaches the window: the same status again tells it nothing,
// and a poll in virtual time, which never waits, cannot flood its queue.
void OakGetBatteryThread::reportStatus(quint8 stage, quint8 rate)
{
    const std::array<quint8, 2> status{stage, rate};
    if (m_lastStatus == status)
        return;
    m_lastStatus = status;
    emit RefreshStatus(0, stage, rate, 0);
}

void OakGetBatteryThread::reportBattery(quint8 level, quint8 extra)
{
    const std::array<quint8, 2> battery{level, extra};
    if (m_lastBattery == battery)
        return;
    m_lastBattery = battery;
    emit RefreshBatteryStatus(0, level, extra);
}

bool OakGetBatteryThread::queryCycle()
{
    const std::shared_ptr<DeviceHandle> handle = m_link.vendorHandle();
    if (!handle)
        return true; // the next cycle reports the missing interface
    const QByteArray query = reportFromPayload(CommandBuilder::statusQuery());
    if (handle->write(reinterpret_cast<const quint8*>(query.constData()), kReportSize) < 0)
        qCDebug(lcStatusPoll) << "Unable to send a feature report.";
    if (m_link.clock().sleepMsUnless(kQueryPauseMs, m_stop))
        return false;
    const StatusReply status = listen(*handle).status();
    if (status.valid) {
        qCDebug(lcStatusPoll).noquote() << status.logText("f");
        reportBattery(status.battery, status.batteryExtra);
        reportStatus(status.dpiStage, status.reportRate);
    }
    m_counter = 1;
    return true;
}
