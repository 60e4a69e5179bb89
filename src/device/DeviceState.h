// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "protocol/MacroNameTable.h"
#include "storage/ModelDescription.h"
#include "storage/ProfileSet.h"

// The device layer's own copy of the configuration: filled at each download
// and read by every command built afterwards (the profile switch, the
// pointer speed). One instance per program, owned by whoever owns the link.
// Only one thread uses it at a time: the download runs while the interface
// waits for it.
struct DeviceState
{
    ProfileSet set;
    ModelDescription model;
    // Filled while the button table is built, consumed by the macro download.
    MacroNameTable macroNames;
};
