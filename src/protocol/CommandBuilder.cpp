// SPDX-License-Identifier: GPL-3.0-or-later
#include "protocol/CommandBuilder.h"

#include "protocol/ButtonEncoder.h"
#include "protocol/DpiEncoding.h"
#include "protocol/MacroNameTable.h"
#include "storage/ModelDescription.h"
#include "storage/ProfileSet.h"

#include <algorithm>

namespace {

constexpr int kButtonSlots = ModelDescription::kButtonSlots;
constexpr int kWheelUpRecord = 40;
constexpr int kWheelDownRecord = 41;
constexpr int kWheelUpSlot = 14;
constexpr int kWheelDownSlot = 15;

// The lighting mode's settings; a mode index past the table (a damaged
// profile file) reads as an unset mode rather than outside the record.
LedSetting currentLed(const ProfileData& profile)
{
    return profile.LedMode < ProfileData::kLedModes ? profile.leds[profile.LedMode] : LedSetting();
}

quint8 byteOf(quint32 value)
{
    return static_cast<quint8>(value & 0xFF);
}

} // namespace

Payload CommandBuilder::boundaryMarker(bool end)
{
    const quint8 data[] = {quint8(end ? 0xCC : 0xAA), quint8(end ? 0x33 : 0x55)};
    return checksummedPayload(0x00, data, 2);
}

Payload CommandBuilder::performanceAndLighting(const ProfileData& profile)
{
    const LedSetting led = currentLed(profile);
    quint8 speed = byteOf(led.breath);
    quint8 brightness = byteOf(led.bright);
    // Modes without a speed or a brightness send 0 for it.
    if (profile.LedMode == 0)
        speed = brightness = 0;
    else if (profile.LedMode == 1)
        speed = 0;
    else if (profile.LedMode == 3 || profile.LedMode == 4)
        brightness = 0;
    const quint8 data[] = {profile.dpi, profile.pollrate, profile.LedMode, speed, brightness};
    return checksummedPayload(0x01, data, sizeof(data));
}

Payload CommandBuilder::deviceOptions(const ProfileSet& set, const ModelDescription& model)
{
    const ProfileData& profile = set.profiles[0];
    const QColor colour = currentLed(profile).colour;
    const bool hasColour = colour.isValid();
    const quint8 data[] = {
        0x06,
        set.LiftHigh,
        profile.LedSleepTime,
        quint8(profile.LedMoveOFF != 0xFF ? 1 : 0),
        model.syncMode == 3 ? set.Debounce : set.AngleValue,
        set.Sync,
        quint8(hasColour ? colour.red() : 0),
        quint8(hasColour ? colour.green() : 0),
        quint8(hasColour ? colour.blue() : 0),
    };
    return checksummedPayload(0x02, data, sizeof(data));
}

std::array<Payload, 2> CommandBuilder::dpiStages(const ProfileData& profile, const ModelDescription& model,
                                                 const SensorTables& tables)
{
    quint8 encoded[ProfileData::kStages * 5] = {};
    for (int stage = 0; stage < ProfileData::kStages; ++stage) {
        const DpiStage& dpi = profile.stages[stage];
        // A download brings every level into the sensor's range first
        // (DeviceLimits); the bound only keeps a damaged value that reaches
        // here some other way from wrapping to a negative int.
        const int x = static_cast<int>(std::min<quint32>(dpi.x, 0x7FFFFFFF));
        const int y = static_cast<int>(std::min<quint32>(dpi.y, 0x7FFFFFFF));
        DpiEncoding::encodeStage(model.sensorType, x, y, encoded + 5 * stage, tables, model.sensorLimitFlag);
    }
    return {checksummedPayload(0x05, encoded, 30), checksummedPayload(0x06, encoded + 30, 10)};
}

std::array<Payload, 3> CommandBuilder::buttonTable(ProfileData& profile, const ModelDescription& model,
                                                   const SensorTables& tables, MacroNameTable& macroNames)
{
    quint8 slotBytes[kButtonSlots][4] = {};
    macroNames.clear();
    ButtonEncoder encoder(model.sensorType, tables, macroNames);

    // The slot table has one entry per physical button: a larger count, or a
    // slot number past the table, would write outside it.
    const int buttons = std::clamp(model.buttonCount, 0, kButtonSlots);
    for (int record = 0; record < buttons; ++record) {
        const int slot = model.slotTable[record];
        if (slot < kButtonSlots)
            encoder.encode(profile.buttons[record], slotBytes[slot]);
    }
    const bool reversed = model.scrollRev == 1;
    encoder.encode(profile.buttons[kWheelUpRecord], slotBytes[reversed ? kWheelDownSlot : kWheelUpSlot]);
    encoder.encode(profile.buttons[kWheelDownRecord], slotBytes[reversed ? kWheelUpSlot : kWheelDownSlot]);

    const quint8* bytes = &slotBytes[0][0];
    return {checksummedPayload(0x07, bytes, 28), checksummedPayload(0x08, bytes + 28, 28),
            checksummedPayload(0x09, bytes + 56, 8)};
}

Payload CommandBuilder::statusQuery()
{
    const quint8 data[] = {0xAA, 0xFF, 0xDD, 0x00};
    return checksummedPayload(0x0A, data, sizeof(data));
}
