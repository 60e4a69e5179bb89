// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QVector>

// A fault the virtual mouse injects at a given report, counted from the
// first report the host writes (1) onwards, failed writes included. Written
// as "kind@report[:amount]" on the command line:
//   write-error@N[:count]   write N (and count - 1 more) fail
//   timeout@N[:count]       the next count reads after write N time out
//   zero-replies@N[:count]  the next count replies after write N are zeros
//   bad-echo@N[:byte]       the echo of write N comes with this byte (0-31,
//                           default 31) changed
//   unplug@N                the mouse is pulled out right after write N
struct ScheduledFault
{
    enum Kind
    {
        WriteError,
        Timeout,
        ZeroReplies,
        BadEcho,
        Unplug
    };

    Kind kind = WriteError;
    int atReport = 1;
    int amount = 1;

    // Reads one fault; on failure returns false and says why in error.
    static bool parse(const QString& text, ScheduledFault& fault, QString& error);
};

using FaultSchedule = QVector<ScheduledFault>;
