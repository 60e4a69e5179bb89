// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The program's debug lines (every transfer, every status poll) are for
// whoever debugs it, not for its users: they are off unless asked for.
// Warnings and errors always show. QT_LOGGING_RULES, read after these rules,
// still turns any category on or off.
namespace LogVerbosity {

// The filter pattern that covers every category of the program.
constexpr const char* kCategories = "mousecfg.*";

// Call once at start, after the command line is parsed; verbose turns the
// debug lines of every mousecfg category on.
void apply(bool verbose);

} // namespace LogVerbosity
