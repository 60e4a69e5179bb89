// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "sim/OnBoardState.h"

#include <array>

// The firmware's side of the command set: applies one 32-byte payload to
// the on-board state. Kept apart from the transport model so that new
// commands are added here alone.
namespace CommandDecoder {

using Payload = std::array<quint8, 32>;

enum class Kind
{
    Marker,
    PerformanceAndLighting,
    DeviceOptions,
    DpiStages,
    ButtonTable,
    MacroPart,
    StatusQuery,
    SelectProfile,
    Commit,
    BadChecksum,
    Unknown,
};

// The bitwise NOT of the 8-bit sum of bytes 0 to 30.
quint8 checksum(const Payload& payload);
bool isStatusQuery(const Payload& payload);

// Decodes payload into state and tells what it was.
Kind apply(const Payload& payload, OnBoardState& state);

} // namespace CommandDecoder
