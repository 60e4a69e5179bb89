// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QMetaType>
#include <QtGlobal>

// One HID interface (top-level collection) as an enumeration reports it.
struct HidDeviceInfo
{
    QByteArray path;
    quint16 vendorId = 0;
    quint16 productId = 0;
    quint16 releaseNumber = 0;
    quint16 usagePage = 0;
    quint16 usage = 0;
    int interfaceNumber = -1;
};

Q_DECLARE_METATYPE(HidDeviceInfo)
