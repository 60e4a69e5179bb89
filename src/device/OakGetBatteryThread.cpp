#include "device/OakGetBatteryThread.h"

#include "protocol/CommandBuilder.h"
#include "hid/DeviceLink.h"

#include <QLoggingCategory>

Q_LOGGING_CATEGORY(lcStatusPoll, "mousecfg.status")

namespace {

constexpr int kReportLength = kReportSize;
constexpr int kBufferSize = 64;
constexpr int kReadTimeoutMs = 50;
constexpr int kCyclePauseMs = 10;
constexpr int kQueryPauseMs = 100;

struct Reply
{
    quint8 bytes[kBufferSize] = {};
    int length = 0;

    // The status reply carries AA FF DD in bytes 1 to 3; anything else the
    // interface delivers is not for us.
    bool isStatus() const { return length > 3 && bytes[1] == 0xAA && bytes[2] == 0xFF && bytes[3] == 0xDD; }
    quint8 dpiStage() const { return bytes[6] & 0x0F; }
    quint8 rate() const { return bytes[7]; }
    QString text(const char* kind) const
    {
        return QString::asprintf("hid_read 1 %s %x %x %x %x %x %x %x %x.", kind, bytes[0], bytes[1], bytes[2],
                                 bytes[3], bytes[4], bytes[5], bytes[6], bytes[7]);
    }
};

Reply readReport(DeviceHandle& handle)
{
    Reply reply;
    reply.length = handle.read(reply.bytes, kReportLength, kReadTimeoutMs);
    return reply;
}

} // namespace

OakGetBatteryThread::OakGetBatteryThread(DeviceLink& link, QObject* parent) : QThread(parent), m_link(link)
{
    qRegisterMetaType<quint8>("quint8");
}

OakGetBatteryThread::~OakGetBatteryThread()
{
    stop();
}

void OakGetBatteryThread::stop()
{
    m_stop.store(true);
    if (isRunning() && QThread::currentThread() != this)
        wait();
}

void OakGetBatteryThread::run()
{
    qCDebug(lcStatusPoll) << "OakGetBatteryThread.";
    m_counter = 0;
    while (!m_stop.load() && runCycle()) {
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
    const Reply heard = readReport(*handle);
    m_link.clock().sleepMs(kCyclePauseMs);
    if (m_stop.load())
        return false;

    if (m_counter != 0) {
        if (heard.isStatus()) {
            qCDebug(lcStatusPoll).noquote() << heard.text("s");
            emit RefreshStatus(0, heard.dpiStage(), heard.rate(), 0);
        }
        if (++m_counter >= kQueryPeriod)
            m_counter = 0;
    }
    if (m_counter == 0)
        return queryCycle();
    return true;
}

bool OakGetBatteryThread::queryCycle()
{
    const std::shared_ptr<DeviceHandle> handle = m_link.vendorHandle();
    if (!handle)
        return true; // the next cycle reports the missing interface
    const QByteArray query = reportFromPayload(CommandBuilder::statusQuery());
    if (handle->write(reinterpret_cast<const quint8*>(query.constData()), kReportSize) < 0)
        qCDebug(lcStatusPoll) << "Unable to send a feature report.";
    m_link.clock().sleepMs(kQueryPauseMs);
    if (m_stop.load())
        return false;
    const Reply reply = readReport(*handle);
    if (reply.isStatus()) {
        qCDebug(lcStatusPoll).noquote() << reply.text("f");
        emit RefreshBatteryStatus(0, reply.bytes[4], reply.bytes[5]);
        emit RefreshStatus(0, reply.dpiStage(), reply.rate(), 0);
    }
    m_counter = 1;
    return true;
}
