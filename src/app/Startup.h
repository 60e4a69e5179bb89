// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The utility's entry: one copy per model, the main window, the event loop.
// Returns 1 when another copy for the same model is running.
int runMousecfg(int argc, char* argv[]);
