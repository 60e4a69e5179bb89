// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "hid/Clock.h"
#include "hid/DeviceEntry.h"
#include "hid/DeviceHandle.h"
#include "hid/HidBackend.h"
#include "hid/TransferResult.h"

#include <QString>
#include <QVector>
#include <memory>
#include <mutex>

// The program's link to its mouse: the device table, the four open
// interfaces and the write / read-back / verify transfer.
//
// One instance exists per program and is passed to whoever talks to the
// mouse. All members may be called from any thread: the table and the handle
// slots are guarded by one lock, and each handle by its own (DeviceHandle),
// so closeAll() never closes a handle while a transfer is inside a call on it.
// A transfer whose handle was closed under it sees a failing device and ends
// with a non-zero result.
class DeviceLink
{
public:
    DeviceLink(std::shared_ptr<HidBackend> backend, std::shared_ptr<Clock> clock);
    ~DeviceLink();

    DeviceLink(const DeviceLink&) = delete;
    DeviceLink& operator=(const DeviceLink&) = delete;

    // Empties the table and fills its one entry for the model with the given
    // name (the configuration's "Mouse_List/0").
    void reset(const QString& modelName);
    // Records the interfaces of every entry that are present now; 0 after a
    // completed scan, -1 when the HID library cannot be used. Sets flags,
    // never clears them.
    int scan();
    // Opens both interfaces of every identity of the named model whose two
    // interfaces were found. An interface that fails to open stays closed.
    void open(const QString& name);
    // The interfaces that the last open() found but was not allowed to open
    // (see HidBackend::accessDenied); empty when there were none.
    QVector<QByteArray> deniedPaths() const;
    void closeAll();
    // Releases the HID library; call after closeAll() at exit.
    void shutdown();

    // The interface transfers use: the cable's vendor interface if open, else
    // the receiver's, else null. The status poll uses the same one.
    std::shared_ptr<DeviceHandle> vendorHandle() const;
    bool isOpen(InterfaceSlot slot) const;

    // Sends a report of length bytes (report id byte 0 and the payload;
    // every command is 33 bytes, at most 64 fit) and verifies the mouse's echo
    // where the command calls for it. Runs on the calling thread and blocks
    // through the clock's waits.
    quint8 transfer(const quint8* report, int length);

    // The device table, for the hot-plug routine.
    QVector<DeviceEntry> entries() const;
    // Replaces entry index; false when there is no such entry.
    bool setEntry(int index, const DeviceEntry& entry);
    // Release number of the cable's vendor interface seen last by a scan.
    quint32 cableVendorRelease() const;
    // Release number of the device at path (-1 when absent).
    int releaseNumber(const QByteArray& path) const;

    Clock& clock() const { return *m_clock; }
    HidBackend& backend() const { return *m_backend; }

private:
    void recordInterface(DeviceEntry& entry, InterfaceSlot slot, const HidDeviceInfo& device);
    std::shared_ptr<DeviceHandle> openPath(const QByteArray& path);
    std::shared_ptr<DeviceHandle> vendorHandleLocked() const;

    const std::shared_ptr<HidBackend> m_backend;
    const std::shared_ptr<Clock> m_clock;

    mutable std::mutex m_mutex;
    QVector<DeviceEntry> m_entries;
    quint32 m_cableVendorRelease = 0;
    std::shared_ptr<DeviceHandle> m_handles[kInterfaceSlotCount];
    QVector<QByteArray> m_deniedPaths;
};
