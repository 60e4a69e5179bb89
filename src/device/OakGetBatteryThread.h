// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "hid/StopFlag.h"

#include <QThread>
#include <QtGlobal>

#include <array>
#include <optional>

class DeviceHandle;
class DeviceLink;

// Polls the mouse for its status while it runs: every 45th cycle it sends
// the status query and reports battery and status; in between it listens
// for the status reports the mouse sends on its own (after a DPI button
// press, say) and reports the status alone. A report that repeats the one
// before is not sent again.
//
// Its pauses end at once when it is asked to stop, and it listens for
// reports in short slices, so that it leaves the device within one slice
// (kListenSliceMs) of requestStop(); finished() tells when it has. stop()
// also waits for that, for callers that may block.
class OakGetBatteryThread : public QThread
{
    Q_OBJECT
public:
    static constexpr int kQueryPeriod = 45;
    // The poll listens for a report for kListenMs, in slices of kListenSliceMs.
    static constexpr int kListenMs = 50;
    static constexpr int kListenSliceMs = 10;

    explicit OakGetBatteryThread(DeviceLink& link, QObject* parent = nullptr);
    ~OakGetBatteryThread() override;

    // Asks the thread to end and returns at once.
    void requestStop();
    // Asks the thread to end and waits until it has.
    void stop();
    bool isStop() const { return m_stop.isRaised(); }

    // One cycle of the poll; false when polling must end (stop requested, or
    // no vendor interface open). run() repeats it; tests may call it directly.
    bool runCycle();
    int cycleCounter() const { return m_counter; }

signals:
    void RefreshBatteryStatus(quint8 iCharge, quint8 iLowByte, quint8 iHiByte);
    void RefreshStatus(quint8 iProfile, quint8 iDPI, quint8 iRate, quint8 iMode);

protected:
    void run() override;

private:
    bool queryCycle();
    struct Heard;
    Heard listen(DeviceHandle& handle);
    void reportStatus(quint8 stage, quint8 rate);
    void reportBattery(quint8 level, quint8 extra);

    DeviceLink& m_link;
    StopFlag m_stop;
    int m_counter = 0;
    // What was reported last; accessed by the polling thread alone.
    std::optional<std::array<quint8, 2>> m_lastStatus;
    std::optional<std::array<quint8, 2>> m_lastBattery;
};
