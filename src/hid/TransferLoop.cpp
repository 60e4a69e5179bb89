// SPDX-License-Identifier: GPL-3.0-or-later
#include "hid/TransferLoop.h"

#include "hid/DeviceLogging.h"
#include "hid/TransferResult.h"

#include <cstring>

namespace {
// Bytes in a log line: the report's 32 payload bytes and one more, whatever
// length was written.
constexpr int kLoggedBytes = 33;

QString hexLine(const char* prefix, int length, const quint8* bytes)
{
    QString line = QString::fromLatin1(prefix).arg(length);
    for (int i = 0; i < kLoggedBytes; ++i) {
        if (i > 0)
            line += QLatin1Char(' ');
        line += QStringLiteral("%1").arg(bytes[i], 2, 16, QLatin1Char('0'));
    }
    return line;
}

void logBanner(const char* banner)
{
    debugLog(QString::fromLatin1(banner));
    debugLog(QStringLiteral(" "));
    debugLog(QStringLiteral(" "));
}

// The mouse echoes a command only when payload byte 3 is at most 10 or is one
// of the two commit opcodes; anything else is taken as done once written.
bool needsReadBack(quint8 payloadByte3)
{
    return payloadByte3 <= 10 || payloadByte3 == 0x40 || payloadByte3 == 0x46;
}

bool leadingBytesZero(const quint8* reply)
{
    for (int i = 0; i < 8; ++i) {
        if (reply[i] != 0)
            return false;
    }
    return true;
}
} // namespace

TransferLoop::TransferLoop(std::shared_ptr<DeviceHandle> handle, Clock& clock)
    : m_handle(std::move(handle)), m_clock(clock)
{
}

quint8 TransferLoop::run(const quint8* report, int length)
{
    if (!m_handle) {
        logBanner("no device--------------------------------------");
        return TransferNoDevice;
    }
    // The report (report id byte included) must fit the work buffer.
    if (!report || length < 1 || length > kBufferSize) {
        debugLog(QStringLiteral("report length %1 out of range").arg(length));
        logBanner("hid_write fail--------------------------------------");
        return TransferWriteError;
    }
    // Only the bytes that are written are copied: a 33-byte report in a
    // buffer of exactly 33 bytes is never read past its end. The log's 33rd
    // byte then shows the zeroed work buffer.
    std::memcpy(m_work, report, size_t(length));
    m_length = length;

    Step step = Step::Write;
    while (step != Step::Done) {
        switch (step) {
        case Step::Write:
            step = write();
            break;
        case Step::Decide:
            step = needsReadBack(m_work[4]) ? Step::Read : succeed();
            break;
        case Step::Read:
            step = read();
            break;
        case Step::Done:
            break;
        }
    }
    return m_result;
}

TransferLoop::Step TransferLoop::write()
{
    const int written = m_handle->write(m_work, m_length);
    debugLog(hexLine("hid_write length=%1 data=", m_length, m_work + 1));
    if (written < 0) {
        debugLog(QStringLiteral("Unable to send a feature report.\n"));
        return finish("hid_write fail--------------------------------------", TransferWriteError);
    }
    m_clock.sleepMs(kWritePauseMs);
    return Step::Decide;
}

TransferLoop::Step TransferLoop::read()
{
    debugLog(QStringLiteral("hid_read start"));
    // A short reply must not be completed by an earlier one's bytes.
    std::memset(m_reply, 0, sizeof m_reply);
    const int received = m_handle->read(m_reply, m_length, kReadTimeoutMs);
    // The HID library returns 0 when the time-out passes: no echo arrived,
    // which is as much a failed read as an error is.
    if (received <= 0)
        return readFailed();

    debugLog(hexLine("hid_read length=%1 data=", m_length, m_reply));
    if (leadingBytesZero(m_reply)) {
        ++m_allZeroReplies;
        if (m_allZeroReplies <= kAllZeroLimit) {
            debugLog(QStringLiteral("all 0, jump re write "));
            return Step::Write;
        }
        debugLog(QStringLiteral("multi all 0, go back--------------------------------------"));
        return m_aCheckHasFailed ? checkFailed() : succeed();
    }
    if (std::memcmp(m_reply, m_work + 1, 32) == 0)
        return succeed();
    return checkFailed();
}

TransferLoop::Step TransferLoop::readFailed()
{
    debugLog(QStringLiteral("hid_read start read fail %1").arg(m_readFailures));
    ++m_readFailures;
    if (m_readFailures > kReadFailureLimit) {
        debugLog(QStringLiteral("write fail %1").arg(m_rewrites));
        ++m_rewrites;
        if (m_rewrites > kRewriteLimit)
            return finish("multi rewrite fail--------------------------------------", TransferFailed);
        debugLog(QStringLiteral("re write"));
        return Step::Write;
    }
    m_clock.sleepMs(kReReadPauseMs);
    debugLog(QStringLiteral("re read"));
    return Step::Decide;
}

TransferLoop::Step TransferLoop::checkFailed()
{
    ++m_checkFailures;
    if (m_checkFailures > kCheckFailureLimit) {
        ++m_rewrites;
        if (m_rewrites > kRewriteLimit)
            return finish("multi command check fail, go back--------------------------------------",
                          TransferFailed);
        debugLog(QStringLiteral("command check fail, re write %1").arg(m_rewrites));
        m_aCheckHasFailed = true;
        m_allZeroReplies = 0;
        return Step::Write;
    }
    m_clock.sleepMs(kReReadPauseMs);
    debugLog(QStringLiteral("command check fail, re read %1").arg(m_rewrites));
    m_aCheckHasFailed = true;
    m_allZeroReplies = 0;
    return Step::Decide;
}

TransferLoop::Step TransferLoop::succeed()
{
    return finish("send success--------------------------------------", TransferOk);
}

TransferLoop::Step TransferLoop::finish(const char* banner, quint8 result)
{
    logBanner(banner);
    m_result = result;
    return Step::Done;
}
