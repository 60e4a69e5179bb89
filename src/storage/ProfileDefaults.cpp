// SPDX-License-Identifier: GPL-3.0-or-later
#include "storage/ProfileDefaults.h"

#include "storage/ProductDescription.h"
#include "storage/ProfileSet.h"

namespace {

// The factory profile describes buttons 0 to 15; every other button keeps the
// empty assignment apart from the two wheel directions.
constexpr int kFactoryButtons = int(sizeof FactoryProfile().buttons / sizeof(FactoryProfile::Button));
constexpr int kWheelUpButton = 40;
constexpr int kWheelDownButton = 41;
constexpr int kWheelUpFunction = 52;
constexpr int kWheelDownFunction = 53;

void setCommonValues(ProfileData& p)
{
    p.pollrate = 1;
    p.dpi = 1;
    p.LedMode = 1;
    p.mousespeed = 10;
    p.dbclickspeed = 5;
    p.scrollispage = 0;
    p.scrollspeed = 1;
    p.accelenable = 1;
    p.acee = 1;
    p.LedMoveOFF = 0;
    p.LedSleepTime = 1;
    p.buttons[kWheelUpButton].Fun = kWheelUpFunction;
    p.buttons[kWheelDownButton].Fun = kWheelDownFunction;
}

void setStage(DpiStage& stage, quint32 value)
{
    stage.used = 1;
    stage.link = 1;
    stage.xy = stage.x = stage.y = value;
}

void applyFactory(ProfileData& p, const FactoryProfile& factory)
{
    p.pollrate = quint8(factory.pollrate);
    p.dpi = factory.dpi;
    p.LedMode = factory.ledMode;
    for (int n = 0; n < ProfileData::kStages; ++n)
        setStage(p.stages[n], quint32(factory.dpiXY[n]));
    for (int b = 0; b < kFactoryButtons; ++b) {
        const FactoryProfile::Button& from = factory.buttons[b];
        ButtonAssignment& to = p.buttons[b];
        to.Fun = from.fun;
        to.LoopNumber = from.loopNumber;
        to.KeyNumber = from.keyNumber;
        to.Res1 = from.res[0];
        to.Res2 = from.res[1];
        to.Res3 = from.res[2];
        to.Res4 = from.res[3];
    }
    for (int m = 0; m < ProfileData::kLedModes; ++m) {
        LedSetting& led = p.leds[m];
        led.colour = factory.leds[m].rgb;
        led.h = 360;
        led.s = led.v = 0;
        led.bright = quint32(factory.leds[m].bright);
        led.breath = quint32(factory.leds[m].breath);
    }
}

void applyBuiltIn(ProfileData& p)
{
    static const quint32 kStageValues[ProfileData::kStages] = {8, 12, 16, 24, 50, 75, 0, 0};
    static const qint32 kButtonFunctions[] = {1, 2, 3, 4, 5, 4, 5};
    constexpr int kGreenMode = 10;
    p.LedMode = 9;
    for (int n = 0; n < ProfileData::kStages; ++n)
        setStage(p.stages[n], kStageValues[n]);
    for (int b = 0; b < int(sizeof kButtonFunctions / sizeof *kButtonFunctions); ++b)
        p.buttons[b].Fun = kButtonFunctions[b];
    for (int m = 0; m < ProfileData::kLedModes; ++m) {
        LedSetting& led = p.leds[m];
        led.colour = m == kGreenMode ? QColor(0, 255, 0) : QColor(255, 0, 0);
        led.h = 360;
        led.s = led.v = 0;
        led.bright = led.breath = 3;
    }
}

} // namespace

void ProfileDefaults::resetProfile(ProfileData& profile, const ProductDescription& product)
{
    profile = ProfileData();
    setCommonValues(profile);
    FactoryProfile factory;
    if (product.factoryProfile(factory) == 0)
        applyFactory(profile, factory);
    else
        applyBuiltIn(profile);
}

void ProfileDefaults::resetAll(ProfileSet& set, const ProductDescription& product)
{
    quint8 sensor[7];
    if (product.factorySensorSettings(sensor) == 0) {
        set.LiftHigh = sensor[0];
        set.AngleValue = sensor[1];
        set.Debounce = sensor[2];
        set.Jitter = sensor[3];
        set.Wake = sensor[4];
        set.SensorMode = sensor[5];
        set.Sync = sensor[6];
    }
    set.ProfileID = 0;
    for (int i = 0; i < ProfileSet::kProfiles; ++i) {
        resetProfile(set.profiles[i], product);
        set.profileNames[i] = QStringLiteral("Profile %1").arg(i + 1);
    }
}
