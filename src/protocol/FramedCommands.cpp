// SPDX-License-Identifier: GPL-3.0-or-later
#include "protocol/FramedCommands.h"

namespace {

Payload framed(quint8 opcode, quint8 byte4, quint8 byte5)
{
    Payload payload{};
    payload[0] = 0x05;
    payload[1] = 0x00;
    payload[2] = 0xFA;
    payload[3] = opcode;
    payload[4] = byte4;
    payload[5] = byte5;
    return payload;
}

} // namespace

Payload FramedCommands::selectProfile(int index)
{
    return framed(0x44, static_cast<quint8>(index), 0x00);
}

Payload FramedCommands::commitSettings(quint8 mask)
{
    return framed(0x40, 0xF3, mask);
}
