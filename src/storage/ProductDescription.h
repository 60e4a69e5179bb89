// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>
#include <QString>
#include <QtGlobal>

#include <memory>

class IniReader;

// The factory profile of a model, as the product description holds it.
struct FactoryProfile
{
    struct Button
    {
        int id = 0;
        int fun = 0;
        int loopNumber = 0;
        int keyNumber = 0;
        quint8 res[4] = {0, 0, 0, 0};
    };
    struct Led
    {
        QColor rgb;
        int bright = 0;
        int breath = 0;
    };

    quint8 dpi = 0;
    int dpiXY[8] = {0, 0, 0, 0, 0, 0, 0, 0};
    int pollrate = 0;
    quint8 ledMode = 0;
    Button buttons[16];
    Led leds[14];
};

// Reads the model's product description ("DefaultProfile.bin", INI text with
// every key in section "PROFILE"), once per object, at its first question; a
// missing file or key gives the documented default and never an error.
class ProductDescription
{
public:
    explicit ProductDescription(const QString& filePath);

    QString filePath() const { return m_filePath; }
    bool exists() const;

    QString productName() const;
    QString version() const;

    // The counts are stored combined by exclusive-or.
    int buttonCount() const;
    int dpiStageCount() const;

    // Device slot of each of the 16 buttons; 0, or -1 when the file is missing
    // (the table is then left as it was).
    int buttonSlotTable(quint8 table[16]) const;
    // Presence of each button (-1: the model has no such button); returns the
    // button count, or -1 when the file is missing.
    int buttonPresence(qint8 table[16]) const;

    int disableMacro() const;
    int showSleep() const;
    int ledDisable() const;
    int colorMode() const;
    int scrollRev() const;
    // The macro delay unit in milliseconds; never below 1, since delays are
    // divided by it.
    int minDelay() const;
    // Key "33254": the extended DPI range of the 3325 and 33252 sensors.
    int extendedDpiRange() const;
    int syncMode() const;
    int showMouseButton() const;
    // Language index that uses French key labels; -1 for none.
    int french() const;

    void sleepRange(int& sleepMin, int& sleepMax) const;
    void identifiers(int& vid1, int& pid1, int& vid2, int& pid2) const;

    // lift, angle, butondelay, jitter, wake, sensormode, sync; 0, or -1 when
    // the file is missing (the array is then left as it was).
    int factorySensorSettings(quint8 values[7]) const;
    // 0, or -1 when the file is missing.
    int factoryProfile(FactoryProfile& profile) const;

private:
    int readInt(const char* key, int defaultValue = 0) const;
    const IniReader& reader() const;

    QString m_filePath;
    // Shared by the copies of this object; parsed when first asked.
    mutable std::shared_ptr<const IniReader> m_reader;
};
