// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QThread>
#include <QtGlobal>

#include <array>
#include <atomic>
#include <optional>

class DeviceLink;

// Polls the mouse for its status while it runs: every 45th cycle it sends
// the status query and reports battery and status; in between it listens
// for the status reports the mouse sends on its own (after a DPI button
// press, say) and reports the status alone. A report that repeats the one
// before is not sent again.
//
// stop() returns only once the thread has left the device, so the caller
// may close or re-open the handles or start a download right after it.
class OakGetBatteryThread : public QThread
{
    Q_OBJECT
public:
    static constexpr int kQueryPeriod = 45;

    explicit OakGetBatteryThread(DeviceLink& link, QObject* parent = nullptr);
    ~OakGetBatteryThread() override;

    // Sets the stop flag and waits for the thread to end.
    void stop();
    bool isStop() const { return m_stop.load(); }

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
    void reportStatus(quint8 stage, quint8 rate);
    void reportBattery(quint8 level, quint8 extra);

    DeviceLink& m_link;
    std::atomic<bool> m_stop{false};
    int m_counter = 0;
    // What was reported last; accessed by the polling thread alone.
    std::optional<std::array<quint8, 2>> m_lastStatus;
    std::optional<std::array<quint8, 2>> m_lastBattery;
};
