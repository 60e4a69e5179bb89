// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QtGlobal>

// The mouse's status report: the answer to the status query and the report
// it sends on its own after a DPI button press. Bytes 1 to 3 are AA FF DD;
// byte 4 the battery level (0: the mouse is off or asleep), byte 5 a second
// battery byte, byte 6 the DPI stage in its low four bits, byte 7 the
// report-rate code.
struct StatusReply
{
    static constexpr int kMinimumLength = 8;

    bool valid = false;
    quint8 head[kMinimumLength] = {};
    quint8 battery = 0;
    quint8 batteryExtra = 0;
    quint8 dpiStage = 0;
    quint8 reportRate = 0;

    // Reads length bytes at report (a null pointer reads as nothing). Anything
    // shorter than eight bytes or without the signature is not a status
    // report: valid stays false and the rest zero.
    static StatusReply parse(const quint8* report, int length);

    // The log line of a status report: kind "f" for a queried one, "s" for
    // one the mouse sent on its own.
    QString logText(const char* kind) const;
};
