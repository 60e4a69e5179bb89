// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "sim/ScheduledFault.h"

#include <QString>
#include <QStringList>

// The command line of mousecfgctl.
struct CliOptions
{
    QString command;       // devices, status, apply, select-profile, show
    QStringList arguments; // what follows the command
    QString appDir;        // --app-dir; empty: the executable's folder
    bool virtualMouse = false;
    bool trace = false;
    bool dumpDevice = false;
    bool json = false;
    bool verbose = false;
    bool help = false;
    bool version = false;
    FaultSchedule faults; // --virtual-fault, for the virtual mouse
    QString error;        // set when the command line cannot be used

    // arguments: without the program name.
    static CliOptions parse(const QStringList& arguments);
    static QString usage();
};
