// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "protocol/Payload.h"

#include <array>

struct ModelDescription;
struct ProfileData;
struct ProfileSet;
class MacroNameTable;
class SensorTables;

// The checksummed commands that write a configuration, built from the state
// alone: nothing here reads a file or talks to the mouse. Every command is
// built from the first profile of the set, whatever profile is active.
namespace CommandBuilder {

// Command 0x00: AA 55 opens a download, CC 33 closes it.
Payload boundaryMarker(bool end);
// Command 0x01: active DPI stage, report rate and the current lighting mode.
Payload performanceAndLighting(const ProfileData& profile);
// Command 0x02: lift, sleep, light-off, angle or debounce, sync and colour.
Payload deviceOptions(const ProfileSet& set, const ModelDescription& model);
// Commands 0x05 (stages 1-6) and 0x06 (stages 7 and 8).
std::array<Payload, 2> dpiStages(const ProfileData& profile, const ModelDescription& model,
                                 const SensorTables& tables);
// Commands 0x07, 0x08 and 0x09. Empties macroNames and hands out a slot
// number to each macro the buttons name (kept in Res4 of those buttons).
std::array<Payload, 3> buttonTable(ProfileData& profile, const ModelDescription& model,
                                   const SensorTables& tables, MacroNameTable& macroNames);
// Command 0x0A, the status query.
Payload statusQuery();

} // namespace CommandBuilder
