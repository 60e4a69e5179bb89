// SPDX-License-Identifier: GPL-3.0-or-later
#include "storage/ProfileSetKeys.h"

#include "storage/ProfileSet.h"
#include "storage/SettingsValues.h"
#include "storage/SettingsWriter.h"

namespace ProfileSetKeys {

QString configKey(const char* name)
{
    return QStringLiteral("Config/") + QLatin1String(name);
}

QString profileNameKey(int slot)
{
    return QStringLiteral("Config/Profile%1").arg(slot + 1);
}

void writeSettings(SettingsWriter& s, const ProfileSet& set)
{
    s.setValue(configKey("ProfileID"), int(set.ProfileID));
    s.setValue(configKey("AngleValue"), int(set.AngleValue));
    s.setValue(configKey("Sync"), int(set.Sync));
    s.setValue(configKey("LiftHigh"), int(set.LiftHigh));
    s.setValue(configKey("Jitter"), int(set.Jitter));
    s.setValue(configKey("Debounce"), int(set.Debounce));
    s.setValue(configKey("Wake"), int(set.Wake));
    s.setValue(configKey("SensorMode"), int(set.SensorMode));
    s.setValue(configKey("Count"), int(set.Count));
}

void readSettings(const IniReader& s, ProfileSet& set)
{
    using SettingsValues::readByte;
    const quint8 id = readByte(s, configKey("ProfileID"));
    set.ProfileID = id < ProfileSet::kProfiles ? id : 0;
    set.AngleValue = readByte(s, configKey("AngleValue"));
    set.LiftHigh = readByte(s, configKey("LiftHigh"));
    set.Sync = readByte(s, configKey("Sync"));
    set.Jitter = readByte(s, configKey("Jitter"));
    set.Debounce = readByte(s, configKey("Debounce"));
    set.Wake = readByte(s, configKey("Wake"));
    set.SensorMode = readByte(s, configKey("SensorMode"));
    set.Count = readByte(s, configKey("Count"));
}

void writeNames(SettingsWriter& s, const ProfileSet& set)
{
    for (int i = 0; i < ProfileSet::kProfiles; ++i)
        s.setValue(profileNameKey(i), set.profileNames[i]);
}

} // namespace ProfileSetKeys
