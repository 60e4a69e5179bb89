// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "hid/Clock.h"
#include "hid/DeviceHandle.h"

#include <memory>

// One run of the write / read-back / verify loop over a vendor interface.
//
// The mouse echoes a command it reads back; the loop re-reads a missing or
// wrong echo, re-writes the report when the re-reads run out, and gives up
// after the third write. Every step is logged on the transfer log.
class TransferLoop
{
public:
    TransferLoop(std::shared_ptr<DeviceHandle> handle, Clock& clock);

    // The transfer result (TransferResult) of sending report.
    quint8 run(const quint8* report, int length);

private:
    enum class Step
    {
        Write,
        Decide,
        Read,
        Done
    };

    Step write();
    Step read();
    Step readFailed();
    Step checkFailed();
    Step succeed();
    Step finish(const char* banner, quint8 result);

    static constexpr int kBufferSize = 64;
    static constexpr int kWritePauseMs = 10;
    static constexpr int kReReadPauseMs = 50;
    static constexpr int kReadTimeoutMs = 150;
    static constexpr int kReadFailureLimit = 29;
    static constexpr int kCheckFailureLimit = 19;
    static constexpr int kRewriteLimit = 2;
    static constexpr int kAllZeroLimit = 5;

    std::shared_ptr<DeviceHandle> m_handle;
    Clock& m_clock;
    int m_length = 0;
    quint8 m_work[kBufferSize] = {};
    quint8 m_reply[kBufferSize] = {};

    int m_readFailures = 0;
    int m_checkFailures = 0;
    int m_allZeroReplies = 0;
    int m_rewrites = 0;
    bool m_aCheckHasFailed = false;
    quint8 m_result = 0;
};
