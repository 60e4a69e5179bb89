// SPDX-License-Identifier: GPL-3.0-or-later
#include "storage/ProductDescription.h"

#include "storage/IniReader.h"
#include "storage/SettingsValues.h"

#include <QFileInfo>

namespace {

QString key(const char* name)
{
    return QStringLiteral("PROFILE/") + QLatin1String(name);
}

QString buttonKey(int n, const char* suffix)
{
    return QStringLiteral("PROFILE/BUTTON_INFO_%1_").arg(n) + QLatin1String(suffix);
}

QString ledKey(int m, const char* suffix)
{
    return QStringLiteral("PROFILE/LedMode/LED_MODE_%1_").arg(m) + QLatin1String(suffix);
}

int intValue(const IniReader& file, const QString& key, int defaultValue = 0)
{
    return SettingsValues::readInt(file, key, defaultValue);
}

// A colour as QSettings writes it, or any text that names a colour.
QColor colorValue(const IniReader& file, const QString& key)
{
    return SettingsValues::readColour(file, key);
}

} // namespace

ProductDescription::ProductDescription(const QString& filePath) : m_filePath(filePath) {}

const IniReader& ProductDescription::reader() const
{
    if (!m_reader)
        m_reader = std::make_shared<const IniReader>(m_filePath);
    return *m_reader;
}

bool ProductDescription::exists() const
{
    return QFileInfo::exists(m_filePath);
}

int ProductDescription::readInt(const char* name, int defaultValue) const
{
    const IniReader& file = reader();
    return intValue(file, key(name), defaultValue);
}

QString ProductDescription::productName() const
{
    return SettingsValues::readText(reader(), key("ProductName"));
}

QString ProductDescription::version() const
{
    return SettingsValues::readText(reader(), key("Version"));
}

int ProductDescription::buttonCount() const
{
    const IniReader& file = reader();
    return intValue(file, key("ButtonCount")) ^ intValue(file, key("MouseDpi"));
}

int ProductDescription::dpiStageCount() const
{
    const IniReader& file = reader();
    return intValue(file, key("ButtonCount")) ^ intValue(file, key("MouseDpi")) ^
           intValue(file, key("DPICount"));
}

int ProductDescription::buttonSlotTable(quint8 table[16]) const
{
    if (!exists())
        return -1;
    const IniReader& file = reader();
    for (int n = 0; n < 16; ++n)
        table[n] = quint8(intValue(file, buttonKey(n, "Matrix")));
    return 0;
}

int ProductDescription::buttonPresence(qint8 table[16]) const
{
    if (!exists())
        return -1;
    const IniReader& file = reader();
    for (int n = 0; n < 16; ++n)
        table[n] = qint8(intValue(file, buttonKey(n, "Matrix2")));
    return intValue(file, key("ButtonCount")) ^ intValue(file, key("MouseDpi"));
}

int ProductDescription::disableMacro() const
{
    return readInt("DisableMacro");
}
int ProductDescription::showSleep() const
{
    return readInt("ShowSleep", 1);
}
int ProductDescription::ledDisable() const
{
    return readInt("ledDisable");
}
int ProductDescription::colorMode() const
{
    return readInt("ColorMode");
}
int ProductDescription::scrollRev() const
{
    return readInt("ScrollRev");
}
int ProductDescription::minDelay() const
{
    return qMax(1, readInt("MinDelay", 1));
}
int ProductDescription::extendedDpiRange() const
{
    return readInt("33254");
}
int ProductDescription::syncMode() const
{
    return readInt("SyncMode");
}
int ProductDescription::showMouseButton() const
{
    return readInt("showMouseButton", 1);
}
int ProductDescription::french() const
{
    return readInt("french", -1);
}

void ProductDescription::sleepRange(int& sleepMin, int& sleepMax) const
{
    const IniReader& file = reader();
    sleepMin = intValue(file, key("SleepMin"), 1);
    sleepMax = intValue(file, key("SleepMax"), 9);
}

void ProductDescription::identifiers(int& vid1, int& pid1, int& vid2, int& pid2) const
{
    const IniReader& file = reader();
    vid1 = intValue(file, key("vid1"), MOUSECFG_VENDOR_ID);
    pid1 = intValue(file, key("pid1"), MOUSECFG_RECEIVER_PRODUCT_ID);
    vid2 = intValue(file, key("vid2"), MOUSECFG_VENDOR_ID);
    pid2 = intValue(file, key("pid2"), MOUSECFG_CABLE_PRODUCT_ID);
}

int ProductDescription::factorySensorSettings(quint8 values[7]) const
{
    if (!exists())
        return -1;
    const IniReader& file = reader();
    values[0] = quint8(intValue(file, key("lift")));
    values[1] = quint8(intValue(file, key("angle")));
    values[2] = quint8(intValue(file, key("butondelay"), 20));
    values[3] = quint8(intValue(file, key("jitter")));
    values[4] = quint8(intValue(file, key("wake")));
    values[5] = quint8(intValue(file, key("sensormode"), 1));
    values[6] = quint8(intValue(file, key("sync")));
    return 0;
}

int ProductDescription::factoryProfile(FactoryProfile& profile) const
{
    if (!exists())
        return -1;
    const IniReader& file = reader();
    profile.dpi = quint8(intValue(file, key("dpi")));
    for (int n = 0; n < 8; ++n)
        profile.dpiXY[n] = intValue(file, QStringLiteral("PROFILE/DPI_INFO_%1_xy").arg(n));
    profile.pollrate = intValue(file, key("pollrate"));
    profile.ledMode = quint8(intValue(file, key("LedMode")));
    for (int n = 0; n < 16; ++n) {
        FactoryProfile::Button& button = profile.buttons[n];
        button.id = intValue(file, buttonKey(n, "ID"));
        button.fun = intValue(file, buttonKey(n, "Fun"));
        button.loopNumber = intValue(file, buttonKey(n, "LoopNumber"));
        button.keyNumber = intValue(file, buttonKey(n, "KeyNumber"));
        const char* res[4] = {"Res1", "Res2", "Res3", "Res4"};
        for (int r = 0; r < 4; ++r)
            button.res[r] = quint8(intValue(file, buttonKey(n, res[r])));
    }
    for (int m = 0; m < 14; ++m) {
        FactoryProfile::Led& led = profile.leds[m];
        led.rgb = colorValue(file, ledKey(m, "RGB"));
        led.bright = intValue(file, ledKey(m, "bright"));
        led.breath = intValue(file, ledKey(m, "breath"));
    }
    return 0;
}
