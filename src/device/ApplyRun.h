// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "device/ApplyJob.h"

class ConfigurationDownload;

// The whole of an apply, on the calling thread: saves the configuration and
// every slot, clears the change marks of macros that reach the mouse
// unchanged, downloads the configuration and records in "Config/Diff"
// whether the mouse may differ from what is stored. The window (on its
// worker) and the command-line tool run this same function.
ApplyOutcome runApply(ConfigurationDownload& download, const ApplyJob& job);
