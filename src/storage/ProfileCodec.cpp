// SPDX-License-Identifier: GPL-3.0-or-later
#include "storage/ProfileCodec.h"

#include "storage/SettingsValues.h"
#include "storage/SettingsWriter.h"

using namespace SettingsValues;

namespace {

QString num(int n)
{
    return QString::number(n);
}

QString stageKey(const QString& section, int n, const char* suffix)
{
    return section + QStringLiteral("/DPI_INFO_") + num(n) + QLatin1Char('_') + QLatin1String(suffix);
}

QString buttonPrefix(const QString& section, int b)
{
    return section + QStringLiteral("/BUTTON_INFO_") + num(b);
}

QString ledKey(const QString& section, int m, const char* suffix)
{
    return section + QStringLiteral("/LedMode/LED_MODE_") + num(m) + QLatin1Char('_') + QLatin1String(suffix);
}

// The three bytes of step k: "_map" (byte 0), "_" (byte 1), "_H" (byte 2).
struct StepKeys
{
    QString map, low, high;
    StepKeys(const QString& buttonPrefix, int k)
    {
        const QString base = buttonPrefix + QStringLiteral("_KeyInfo_") + num(k) + QLatin1Char('_');
        map = base + QStringLiteral("map");
        low = base;
        high = base + QLatin1Char('H');
    }
};

const char* const kResKeys[4] = {"_Res1", "_Res2", "_Res3", "_Res4"};

quint8* resField(ButtonAssignment& b, int r)
{
    quint8* fields[4] = {&b.Res1, &b.Res2, &b.Res3, &b.Res4};
    return fields[r];
}

quint8 resField(const ButtonAssignment& b, int r)
{
    const quint8 fields[4] = {b.Res1, b.Res2, b.Res3, b.Res4};
    return fields[r];
}

void writeButton(SettingsWriter& s, const QString& prefix, const ButtonAssignment& button)
{
    s.setValue(prefix + QStringLiteral("_ID"), button.ID);
    s.setValue(prefix + QStringLiteral("_Fun"), button.Fun);
    s.setValue(prefix + QStringLiteral("_LoopNumber"), button.LoopNumber);
    s.setValue(prefix + QStringLiteral("_KeyNumber"), button.KeyNumber);
    for (int k = 0; k < ButtonAssignment::kSteps; ++k) {
        const StepKeys keys(prefix, k);
        s.setValue(keys.map, int(button.KeyInfo[k].Map));
        s.setValue(keys.low, int(button.KeyInfo[k].DataL));
        s.setValue(keys.high, int(button.KeyInfo[k].DataH));
    }
    for (int r = 0; r < 4; ++r)
        s.setValue(prefix + QLatin1String(kResKeys[r]), int(resField(button, r)));
    s.setValue(prefix + QStringLiteral("_macroname"), button.macroname);
}

void readButton(const IniReader& s, const QString& prefix, ButtonAssignment& button)
{
    button.ID = readInt(s, prefix + QStringLiteral("_ID"));
    button.Fun = readInt(s, prefix + QStringLiteral("_Fun"));
    button.LoopNumber = readInt(s, prefix + QStringLiteral("_LoopNumber"));
    button.KeyNumber = readInt(s, prefix + QStringLiteral("_KeyNumber"));
    for (int k = 0; k < ButtonAssignment::kSteps; ++k) {
        const StepKeys keys(prefix, k);
        button.KeyInfo[k].Map = readByte(s, keys.map);
        button.KeyInfo[k].DataL = readByte(s, keys.low);
        button.KeyInfo[k].DataH = readByte(s, keys.high);
    }
    for (int r = 0; r < 4; ++r)
        *resField(button, r) = readByte(s, prefix + QLatin1String(kResKeys[r]));
    button.macroname = readText(s, prefix + QStringLiteral("_macroname"));
}

void writeStage(SettingsWriter& s, const QString& section, int n, const DpiStage& stage)
{
    s.setValue(stageKey(section, n, "used"), int(stage.used));
    s.setValue(stageKey(section, n, "link"), int(stage.link));
    s.setValue(stageKey(section, n, "xy"), uint(stage.xy));
    s.setValue(stageKey(section, n, "x"), uint(stage.x));
    s.setValue(stageKey(section, n, "y"), uint(stage.y));
}

void readStage(const IniReader& s, const QString& section, int n, DpiStage& stage)
{
    stage.used = readByte(s, stageKey(section, n, "used"));
    stage.link = readByte(s, stageKey(section, n, "link"));
    stage.xy = readUInt(s, stageKey(section, n, "xy"));
    stage.x = readUInt(s, stageKey(section, n, "x"));
    stage.y = readUInt(s, stageKey(section, n, "y"));
}

void writeLed(SettingsWriter& s, const QString& section, int m, const LedSetting& led)
{
    s.setValue(ledKey(section, m, "RGB"), QVariant::fromValue(led.colour));
    s.setValue(ledKey(section, m, "h"), uint(led.h));
    s.setValue(ledKey(section, m, "s"), uint(led.s));
    s.setValue(ledKey(section, m, "v"), uint(led.v));
    s.setValue(ledKey(section, m, "bright"), uint(led.bright));
    s.setValue(ledKey(section, m, "breath"), uint(led.breath));
}

void readLed(const IniReader& s, const QString& section, int m, LedSetting& led)
{
    led.colour = readColour(s, ledKey(section, m, "RGB"));
    led.h = readUInt(s, ledKey(section, m, "h"));
    led.s = readUInt(s, ledKey(section, m, "s"));
    led.v = readUInt(s, ledKey(section, m, "v"));
    led.bright = readUInt(s, ledKey(section, m, "bright"));
    led.breath = readUInt(s, ledKey(section, m, "breath"));
}

QString key(const QString& section, const char* name)
{
    return section + QLatin1Char('/') + QLatin1String(name);
}

// The active stage and lighting mode index tables in every editor and in
// the device commands; a damaged file must not push them past the end.
quint8 indexWithin(quint8 value, int count)
{
    return value < count ? value : 0;
}

} // namespace

void ProfileCodec::write(SettingsWriter& s, const QString& section, const ProfileData& p, LightKeys keys)
{
    s.setValue(key(section, "pollrate"), int(p.pollrate));
    s.setValue(key(section, "dpi"), int(p.dpi));
    s.setValue(key(section, "LedMode"), int(p.LedMode));
    if (keys == LightKeys::Included) {
        s.setValue(key(section, "LedMoveOFF"), int(p.LedMoveOFF));
        s.setValue(key(section, "LedSleepTime"), int(p.LedSleepTime));
    }
    for (int n = 0; n < ProfileData::kStages; ++n)
        writeStage(s, section, n, p.stages[n]);
    s.setValue(key(section, "mousespeed"), int(p.mousespeed));
    s.setValue(key(section, "dbclickspeed"), int(p.dbclickspeed));
    s.setValue(key(section, "scrollispage"), int(p.scrollispage));
    s.setValue(key(section, "scrollspeed"), int(p.scrollspeed));
    s.setValue(key(section, "accelenable"), int(p.accelenable));
    s.setValue(key(section, "acee"), int(p.acee));
    for (int b = 0; b < ProfileData::kButtons; ++b)
        writeButton(s, buttonPrefix(section, b), p.buttons[b]);
    for (int m = 0; m < ProfileData::kLedModes; ++m)
        writeLed(s, section, m, p.leds[m]);
    s.setValue(key(section, "ProfileName"), p.ProfileName);
    s.setValue(key(section, "ProfilePath"), p.ProfilePath);
}

void ProfileCodec::read(const IniReader& s, const QString& section, ProfileData& p, LightKeys keys)
{
    p.pollrate = readByte(s, key(section, "pollrate"));
    p.dpi = indexWithin(readByte(s, key(section, "dpi")), ProfileData::kStages);
    p.LedMode = indexWithin(readByte(s, key(section, "LedMode")), ProfileData::kLedModes);
    if (keys == LightKeys::Included) {
        p.LedMoveOFF = readByte(s, key(section, "LedMoveOFF"), 255);
        p.LedSleepTime = readByte(s, key(section, "LedSleepTime"), 1);
    }
    for (int n = 0; n < ProfileData::kStages; ++n)
        readStage(s, section, n, p.stages[n]);
    p.mousespeed = readByte(s, key(section, "mousespeed"));
    p.dbclickspeed = readByte(s, key(section, "dbclickspeed"));
    p.scrollispage = readByte(s, key(section, "scrollispage"));
    p.scrollspeed = readByte(s, key(section, "scrollspeed"));
    p.accelenable = readByte(s, key(section, "accelenable"));
    p.acee = readByte(s, key(section, "acee"));
    for (int b = 0; b < ProfileData::kButtons; ++b)
        readButton(s, buttonPrefix(section, b), p.buttons[b]);
    for (int m = 0; m < ProfileData::kLedModes; ++m)
        readLed(s, section, m, p.leds[m]);
    p.ProfileName = readText(s, key(section, "ProfileName"));
    p.ProfilePath = readText(s, key(section, "ProfilePath"));
}
