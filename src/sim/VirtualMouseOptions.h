// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "hid/HidDeviceInfo.h"
#include "hid/ModelIds.h"
#include "sim/ScheduledFault.h"

#include <QMetaType>
#include <QVector>
#include <QtGlobal>

// The two ways the virtual mouse can be attached.
enum class VirtualIdentity
{
    Receiver = 0,
    Cable = 1
};

// How a virtual mouse is built.
struct VirtualMouseOptions
{
    bool receiverPlugged = true;
    bool cablePlugged = false;

    // Virtual time (the default) never blocks: waits move a shared virtual
    // clock. Real time waits on the system clock, as a real mouse makes
    // its host wait.
    bool realTime = false;
    // Time a write takes, and time from the end of a write until its reply
    // can be read.
    int writeLatencyUs = 0;
    int replyLatencyUs = 0;

    quint16 vendorId = kModelVendorId;
    quint16 receiverProductId = kModelReceiverProductId;
    quint16 cableProductId = kModelCableProductId;
    quint16 releaseNumber = 0x0100;

    // Further HID interfaces the system shows (a keyboard, say); they are
    // enumerated but cannot be opened.
    QVector<HidDeviceInfo> otherDevices;

    // Faults injected at given reports of the session.
    FaultSchedule scheduledFaults;

    // Real time with the latency of a mouse on its 2.4 GHz receiver, for
    // trying the utility without a mouse.
    static VirtualMouseOptions demo()
    {
        VirtualMouseOptions options;
        options.realTime = true;
        options.writeLatencyUs = 1000;
        options.replyLatencyUs = 3000;
        return options;
    }
};

Q_DECLARE_METATYPE(VirtualIdentity)
