// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QtGlobal>

// How the window shows the mouse's status reports: the battery bar's value
// and look, and the connection indicator, decided from what the poll
// reports and which vendor interfaces are present.
namespace StatusDisplay {

// The battery percentage the mouse reports as its low byte.
constexpr int kBatteryOffset = 15;

struct Battery
{
    bool off = true;          // the mouse does not answer: "MOUSE OFF"
    bool showPercent = false; // "%p%"; false: an empty text
    int percent = 0;          // the value remembered and stored
    int barValue = 0;         // what the bar shows
};

// A battery report; the cable's vendor interface present means the mouse
// charges from the cable, so the bar is full and shows no text.
Battery battery(quint8 lowByte, bool cableVendorPresent);

enum ConnectionMode
{
    CableOnly = 0,
    CableAndReceiver = 1, // or the receiver while charging
    ReceiverOnly = 2,
    Nothing = 3
};

struct Connection
{
    ConnectionMode mode = Nothing;
    bool receiverIcon = false;
    bool batteryBar = true;
    // The battery frame: 0 the plain frame around the bar, 1 the frame with
    // a plug (the mouse is on power).
    int frame = 0;
};

Connection connection(bool cableVendorPresent, bool receiverVendorPresent, bool charging);

} // namespace StatusDisplay
