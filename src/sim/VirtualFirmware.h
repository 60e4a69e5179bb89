// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "hid/Clock.h"
#include "hid/HidDeviceInfo.h"
#include "sim/CommandDecoder.h"
#include "sim/OnBoardState.h"
#include "sim/TraceRecord.h"
#include "sim/VirtualMouseFaults.h"
#include "sim/VirtualMouseOptions.h"

#include <QVector>
#include <condition_variable>
#include <deque>
#include <functional>
#include <map>
#include <memory>
#include <mutex>

// Counts of calls the host made, failed ones included.
struct VirtualMouseCounters
{
    int writes = 0;
    int reads = 0;
    int readTimeouts = 0;
    int readErrors = 0;
    int writeErrors = 0;
};

// The mouse behind the virtual HID interfaces: its interfaces, the reports
// waiting to be read on each open handle, its on-board state, the injected
// faults and the trace. Thread-safe; shared by the virtual mouse and every
// handle opened on it, so a handle stays valid after the mouse object goes.
class VirtualFirmware
{
public:
    VirtualFirmware(const VirtualMouseOptions& options, std::shared_ptr<Clock> clock);

    QVector<HidDeviceInfo> enumerate(quint16 vendorId, quint16 productId) const;
    int releaseNumber(const QByteArray& path) const;
    // A handle id, or -1 when no plugged interface has this path.
    int openHandle(const QByteArray& path);
    void closeHandle(int handle);
    int write(int handle, const quint8* data, int length);
    int read(int handle, quint8* data, int length, int timeoutMs);

    // Plugs or unplugs an identity; returns the interfaces that came or went.
    // Handles opened before an unplug stay dead after a plug, as the handles
    // of a removed device do.
    QVector<HidDeviceInfo> setPlugged(VirtualIdentity identity, bool plugged);
    bool isPlugged(VirtualIdentity identity) const;
    QVector<HidDeviceInfo> interfacesOf(VirtualIdentity identity) const;

    // Sends the status report on every open vendor interface, as the mouse
    // does after a DPI button press.
    void sendStatusReport();
    // Moves to the next of stageCount DPI stages and reports it.
    void pressDpiButton(int stageCount);
    void setBattery(quint8 level, quint8 extra);

    OnBoardState state() const;
    void setState(const OnBoardState& state);
    VirtualMouseFaults faults() const;
    void setFaults(const VirtualMouseFaults& faults);
    // The reports that crossed, oldest first; the oldest half is dropped when
    // it grows very long.
    QVector<TraceRecord> trace() const;
    void clearTrace();
    VirtualMouseCounters counters() const;
    void resetCounters();
    // Called after every traced report, outside the firmware's lock, on the
    // thread that moved the report; it may call back into the mouse.
    void setTraceObserver(std::function<void(const TraceRecord&)> observer);

    Clock& clock() const { return *m_clock; }

private:
    struct Interface
    {
        HidDeviceInfo info;
        VirtualIdentity identity;
        bool vendor;
    };
    struct PendingReport
    {
        QByteArray bytes;
        qint64 readyAtUs;
        bool echo;
    };
    struct OpenHandle
    {
        int interfaceIndex;
        quint64 generation;
        std::deque<PendingReport> queue;
    };

    const Interface* interfaceAt(const QByteArray& path) const;
    bool isLive(const OpenHandle& handle) const;
    QByteArray replyTo(const CommandDecoder::Payload& payload, bool& isEcho);
    QByteArray statusReport() const;
    void queueReport(int interfaceIndex, const PendingReport& report);
    void queueOnVendorInterfaces(const QByteArray& bytes);
    int readVirtual(int handleId, int timeoutMs);
    int readRealTime(std::unique_lock<std::mutex>& lock, int handleId, int timeoutMs);
    int takeReport(OpenHandle& handle, quint8* data, int length, QByteArray& traced);
    void appendTrace(const TraceRecord& record);
    void armScheduledFaults(bool beforeWrite);
    void unplugAllLocked();
    void notify(const TraceRecord& record);

    const VirtualMouseOptions m_options;
    const std::shared_ptr<Clock> m_clock;

    mutable std::mutex m_mutex;
    std::condition_variable m_reportArrived;
    QVector<Interface> m_interfaces;
    bool m_plugged[2] = {false, false};
    quint64 m_generation[2] = {0, 0};
    std::map<int, OpenHandle> m_handles;
    int m_nextHandle = 1;

    OnBoardState m_state;
    VirtualMouseFaults m_faults;
    // Reports written so far, failed ones included, for the scheduled faults.
    int m_reportNumber = 0;
    QVector<TraceRecord> m_trace;
    VirtualMouseCounters m_counters;
    std::function<void(const TraceRecord&)> m_observer;
};
