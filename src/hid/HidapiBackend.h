// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "hid/HidBackend.h"

#include <QLibrary>
#include <mutex>

// The real HID library. Library-wide calls (init, exit, enumerate, open) are
// serialised; calls on one open device are serialised by its DeviceHandle.
class HidapiBackend : public HidBackend
{
public:
    HidapiBackend();
    ~HidapiBackend() override;

    bool init() override;
    void exit() override;
    QVector<HidDeviceInfo> enumerate(quint16 vendorId, quint16 productId) override;
    std::unique_ptr<HidDevice> open(const QByteArray& path) override;
    int releaseNumber(const QByteArray& path) override;
    bool accessDenied(const QByteArray& path) override;

private:
    using ReleaseNumberFunction = int (*)(const char*);

    std::mutex m_mutex;
    bool m_initialised = false;
    // Some builds of the library export a lookup of a device's release
    // number by path; where the loaded one does not, the enumeration
    // record of that path answers.
    QLibrary m_library;
    ReleaseNumberFunction m_releaseNumber = nullptr;
};

// The backend for real mice.
std::shared_ptr<HidBackend> createHidapiBackend();
