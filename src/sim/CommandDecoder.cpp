// SPDX-License-Identifier: GPL-3.0-or-later
#include "sim/CommandDecoder.h"

#include <algorithm>

namespace CommandDecoder {
namespace {

constexpr quint8 kStatusQuery = 0x0A;
constexpr quint8 kFirstMacroCommand = 0x10;
constexpr quint8 kLastMacroCommand = 0x7B;
constexpr int kMacroPartBytes = 30;
constexpr int kMacroTailBytes = 16;

bool isFramed(const Payload& p)
{
    return p[0] == 0x05 && p[1] == 0x00 && p[2] == 0xFA;
}

Kind applyFramed(const Payload& p, OnBoardState& state)
{
    if (p[3] == 0x44 && p[4] <= 4) {
        state.activeProfile = p[4];
        return Kind::SelectProfile;
    }
    if (p[3] == 0x40 && p[4] == 0xF3) {
        if (state.commits.size() >= OnBoardState::kMaxCommitsKept)
            state.commits.removeFirst();
        state.commits.append(p[5]);
        return Kind::Commit;
    }
    ++state.unknownCommands;
    return Kind::Unknown;
}

Kind applyMarker(const Payload& p, OnBoardState& state)
{
    if (p[1] == 0xAA && p[2] == 0x55) {
        ++state.beginMarkers;
        state.downloadOpen = true;
    } else if (p[1] == 0xCC && p[2] == 0x33) {
        ++state.endMarkers;
        state.downloadOpen = false;
    } else {
        ++state.unknownCommands;
        return Kind::Unknown;
    }
    return Kind::Marker;
}

Kind applyPerformance(const Payload& p, OnBoardState& state)
{
    state.dpiStage = p[1];
    state.pollRate = p[2];
    state.ledMode = p[3];
    state.ledSpeed = p[4];
    state.ledBrightness = p[5];
    return Kind::PerformanceAndLighting;
}

Kind applyOptions(const Payload& p, OnBoardState& state)
{
    state.optionsTag = p[1];
    state.liftHigh = p[2];
    state.ledSleepTime = p[3];
    state.moveLightOff = p[4];
    state.angleOrDebounce = p[5];
    state.sync = p[6];
    state.colour = {p[7], p[8], p[9]};
    return Kind::DeviceOptions;
}

// Stages first to first + count - 1, five bytes each from byte 1.
Kind applyDpiStages(const Payload& p, OnBoardState& state, int first, int count)
{
    for (int k = 0; k < count; ++k)
        std::copy_n(p.begin() + 1 + 5 * k, 5, state.dpiStages[first + k].begin());
    return Kind::DpiStages;
}

// Slots first to first + count - 1, four bytes each from byte 1.
Kind applyButtons(const Payload& p, OnBoardState& state, int first, int count)
{
    for (int k = 0; k < count; ++k)
        std::copy_n(p.begin() + 1 + 4 * k, 4, state.buttonSlots[first + k].begin());
    return Kind::ButtonTable;
}

// Nine commands per macro slot: eight parts of 30 image bytes, then the last
// 16 bytes of the 256-byte slot.
Kind applyMacroPart(const Payload& p, OnBoardState& state)
{
    const int index = p[0] - kFirstMacroCommand;
    const int slot = index / OnBoardState::kMacroParts;
    const int part = index % OnBoardState::kMacroParts;
    const int offset = part * kMacroPartBytes;
    const int count = part < 8 ? kMacroPartBytes : kMacroTailBytes;
    std::copy_n(p.begin() + 1, count, state.macroSlots[slot].begin() + offset);
    state.macroPartsWritten[slot] |= quint16(1u << part);
    return Kind::MacroPart;
}

Kind applyChecksummed(const Payload& p, OnBoardState& state)
{
    switch (p[0]) {
    case 0x00:
        return applyMarker(p, state);
    case 0x01:
        return applyPerformance(p, state);
    case 0x02:
        return applyOptions(p, state);
    case 0x05:
        return applyDpiStages(p, state, 0, 6);
    case 0x06:
        return applyDpiStages(p, state, 6, 2);
    case 0x07:
        return applyButtons(p, state, 0, 7);
    case 0x08:
        return applyButtons(p, state, 7, 7);
    case 0x09:
        return applyButtons(p, state, 14, 2);
    default:
        break;
    }
    if (p[0] >= kFirstMacroCommand && p[0] <= kLastMacroCommand)
        return applyMacroPart(p, state);
    if (isStatusQuery(p))
        return Kind::StatusQuery;
    ++state.unknownCommands;
    return Kind::Unknown;
}

} // namespace

quint8 checksum(const Payload& payload)
{
    quint8 sum = 0;
    for (int i = 0; i < 31; ++i)
        sum = quint8(sum + payload[i]);
    return quint8(~sum);
}

bool isStatusQuery(const Payload& p)
{
    return p[0] == kStatusQuery && p[1] == 0xAA && p[2] == 0xFF && p[3] == 0xDD;
}

Kind apply(const Payload& payload, OnBoardState& state)
{
    // A framed command never carries a valid checksum, so the checksum tells
    // the two families apart even where a framed prefix could occur in data.
    if (checksum(payload) == payload[31])
        return applyChecksummed(payload, state);
    if (isFramed(payload))
        return applyFramed(payload, state);
    ++state.rejectedCommands;
    return Kind::BadChecksum;
}

} // namespace CommandDecoder
