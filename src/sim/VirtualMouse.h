// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "hid/Clock.h"
#include "hid/HidBackend.h"
#include "sim/OnBoardState.h"
#include "sim/TraceRecord.h"
#include "sim/VirtualFirmware.h"
#include "sim/VirtualMouseFaults.h"
#include "sim/VirtualMouseOptions.h"

#include <QObject>
#include <atomic>
#include <functional>
#include <memory>

// A mouse of the supported model that exists only in software, seen through
// the same HID seam as a real one: it enumerates as its receiver and/or its
// cable identity, each with a mouse and a vendor interface; it decodes every
// command into its on-board state, echoes what the host reads back, answers
// the status query and reports DPI button presses on its own. Faults can be
// injected and every report is traced.
//
// Give a DeviceLink this object as its backend and clock() as its clock.
// All members are thread-safe. Plugging and unplugging emit the signals on
// the calling thread.
class VirtualMouse : public QObject, public HidBackend
{
    Q_OBJECT
public:
    explicit VirtualMouse(const VirtualMouseOptions& options = VirtualMouseOptions(),
                          std::shared_ptr<Clock> clock = nullptr);
    ~VirtualMouse() override;

    bool init() override;
    void exit() override {}
    QVector<HidDeviceInfo> enumerate(quint16 vendorId = 0, quint16 productId = 0) override;
    std::unique_ptr<HidDevice> open(const QByteArray& path) override;
    int releaseNumber(const QByteArray& path) override;

    // The mouse's time: a virtual clock unless it runs in real time.
    std::shared_ptr<Clock> clock() const { return m_clock; }

    void plug(VirtualIdentity identity);
    void unplug(VirtualIdentity identity);
    bool isPlugged(VirtualIdentity identity) const;
    // Both interfaces of an identity, plugged or not.
    QVector<HidDeviceInfo> interfaces(VirtualIdentity identity) const;

    // The user presses the DPI button: the next of the model's stages
    // becomes current and the mouse reports its status on its own.
    void pressDpiButton();
    void setDpiStageCount(int count);
    void sendStatusReport();
    void setBattery(quint8 level, quint8 extra = 0);
    // The HID library fails to start (init() returns false).
    void setInitFails(bool fails);

    OnBoardState state() const;
    void setState(const OnBoardState& state);
    // The on-board state as indented JSON.
    QByteArray stateJson() const;

    VirtualMouseFaults faults() const;
    void setFaults(const VirtualMouseFaults& faults);
    void clearFaults() { setFaults(VirtualMouseFaults()); }

    QVector<TraceRecord> trace() const;
    void clearTrace();
    VirtualMouseCounters counters() const;
    void resetCounters();
    // Called with every report as it crosses; may plug or unplug the mouse.
    void setTraceObserver(std::function<void(const TraceRecord&)> observer);

signals:
    // One signal per interface, as the system reports interfaces.
    void interfaceArrived(const HidDeviceInfo& info);
    void interfaceRemoved(const HidDeviceInfo& info);

private:
    std::shared_ptr<Clock> m_clock;
    std::shared_ptr<VirtualFirmware> m_firmware;
    std::atomic<int> m_dpiStageCount{8};
    std::atomic<bool> m_initFails{false};
};
