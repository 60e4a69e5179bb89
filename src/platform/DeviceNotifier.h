// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QMetaType>
#include <QObject>
#include <memory>

// What kind of HID interface a device change concerns.
enum InterfaceKind
{
    OtherInterface = 0,
    MouseInterface = 1,
    VendorInterface = 4
};

// One arrival or removal of a HID interface.
struct DeviceChange
{
    bool arrived = false;
    // The interface's path, as the HID backend opens it.
    QByteArray path;
    int kind = OtherInterface;
    quint16 vendorId = 0;
    quint16 productId = 0;
};
Q_DECLARE_METATYPE(DeviceChange)

// Tells the program when HID interfaces come and go.
class DeviceNotifier : public QObject
{
    Q_OBJECT

public:
    using QObject::QObject;

    // Starts watching. False, with a debug line, when the system cannot
    // notify: the program then runs without hot-plug.
    virtual bool start(quintptr windowHandle) = 0;
    // Where the system reports device changes as window messages, the window
    // hands every native event here. Never consumes the event.
    virtual void handleNativeEvent(const QByteArray& eventType, void* message)
    {
        Q_UNUSED(eventType)
        Q_UNUSED(message)
    }

Q_SIGNALS:
    void deviceChanged(const DeviceChange& change);
};

// This system's notifier.
std::unique_ptr<DeviceNotifier> createDeviceNotifier();
