// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QJsonObject>
#include <QVector>
#include <QtGlobal>

#include <array>

// What the virtual mouse holds in its memory, decoded from the commands it
// received. Raw byte groups are kept as the wire carried them, so that a
// tool can compare them with what it meant to send.
struct OnBoardState
{
    static constexpr int kDpiStages = 8;
    static constexpr int kButtonSlots = 16;
    static constexpr int kMacroSlots = 12;
    static constexpr int kMacroSlotSize = 256;
    static constexpr int kMacroParts = 9;
    static constexpr int kMaxCommitsKept = 64;

    // Download framing (command 0x00).
    int beginMarkers = 0;
    int endMarkers = 0;
    bool downloadOpen = false;

    // Performance and lighting (0x01). dpiStage and pollRate are also what the
    // status reply reports.
    quint8 dpiStage = 0;
    quint8 pollRate = 1;
    quint8 ledMode = 0;
    quint8 ledSpeed = 0;
    quint8 ledBrightness = 0;

    // Device options (0x02).
    quint8 optionsTag = 0;
    quint8 liftHigh = 0;
    quint8 ledSleepTime = 0;
    quint8 moveLightOff = 0;
    quint8 angleOrDebounce = 0;
    quint8 sync = 0;
    std::array<quint8, 3> colour{};

    // DPI stages (0x05, 0x06): range code, first axis, its high byte, second
    // axis, its high byte.
    std::array<std::array<quint8, 5>, kDpiStages> dpiStages{};
    // Button table (0x07 to 0x09): type and three bytes per slot.
    std::array<std::array<quint8, 4>, kButtonSlots> buttonSlots{};
    // Macro images (0x10 to 0x7B) and, per slot, a bit for each of its nine
    // parts that arrived.
    std::array<std::array<quint8, kMacroSlotSize>, kMacroSlots> macroSlots{};
    std::array<quint16, kMacroSlots> macroPartsWritten{};

    // Framed commands: the selected on-board profile and the commit masks
    // received, oldest first (the last kMaxCommitsKept).
    int activeProfile = 0;
    QVector<quint8> commits;

    // Status the mouse reports on its own account.
    quint8 batteryLevel = 80;
    quint8 batteryExtra = 0;

    // Commands the firmware did not apply: a wrong checksum, or a command
    // byte it does not know.
    int rejectedCommands = 0;
    int unknownCommands = 0;

    QJsonObject toJson() const;
};
