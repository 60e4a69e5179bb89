// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "protocol/Payload.h"

// The framed commands (05 00 FA opcode ...): they carry no checksum and make
// the mouse switch its on-board profile or commit a group of settings.
namespace FramedCommands {

// Makes profile index (0-4) the mouse's active on-board profile.
Payload selectProfile(int index);
// Commits the settings group named by mask (0x01, 0x02, 0x04, 0x08, 0x10).
Payload commitSettings(quint8 mask);

// The groups that committing everything covers, in the order they are sent.
constexpr quint8 kCommitAllMasks[] = {0x04, 0x01, 0x02, 0x08, 0x10};

} // namespace FramedCommands
