// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QtGlobal>

#include <array>

// One command as the mouse sees it: 32 bytes, sent as a 33-byte output report
// behind report id 0.
constexpr int kPayloadSize = 32;
constexpr int kReportSize = kPayloadSize + 1;
using Payload = std::array<quint8, kPayloadSize>;

// The checksum of a checksummed command: the bitwise NOT of the 8-bit sum of
// the first min(count, 31) bytes.
quint8 payloadChecksum(const quint8* bytes, int count);

// A checksummed command: command byte 0 and bytes 1..30, with byte 31 set.
Payload checksummedPayload(quint8 command, const quint8* data = nullptr, int dataSize = 0);

// The 33-byte output report carrying a payload.
QByteArray reportFromPayload(const Payload& payload);

// Lower-case hexadecimal bytes separated by blanks, as the transfer log and
// the command-line trace print them.
QByteArray hexBytes(const quint8* bytes, int count);
