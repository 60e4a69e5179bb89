#include "storage/ConfigurationFile.h"

#include "storage/ProfileCodec.h"
#include "storage/ProfileSet.h"
#include "storage/SettingsValues.h"
#include "storage/SettingsWriter.h"

#include <QSettings>

namespace {

QString section(int slot)
{
    return QStringLiteral("PROFILE_%1").arg(slot);
}
QString configKey(const char* name)
{
    return QStringLiteral("Config/") + QLatin1String(name);
}
QString profileNameKey(int slot)
{
    return QStringLiteral("Config/Profile%1").arg(slot + 1);
}

void writeSetKeys(QSettings& s, const ProfileSet& set)
{
    s.setValue(configKey("ProfileID"), int(set.ProfileID));
    s.setValue(configKey("AngleValue"), int(set.AngleValue));
    s.setValue(configKey("LiftHigh"), int(set.LiftHigh));
    s.setValue(configKey("Sync"), int(set.Sync));
    s.setValue(configKey("Jitter"), int(set.Jitter));
    s.setValue(configKey("Debounce"), int(set.Debounce));
    s.setValue(configKey("Wake"), int(set.Wake));
    s.setValue(configKey("SensorMode"), int(set.SensorMode));
    s.setValue(configKey("Count"), int(set.Count));
}

void readSetKeys(const QSettings& s, ProfileSet& set)
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

} // namespace

ConfigurationFile::ConfigurationFile(const QString& filePath) : m_filePath(filePath) {}

StorageResult ConfigurationFile::writeProfileSection(int slot, const ProfileData& profile) const
{
    SettingsWriter writer(m_filePath);
    ProfileCodec::write(writer.settings(), section(slot), profile, ProfileCodec::LightKeys::Excluded);
    return writer.finish();
}

void ConfigurationFile::readProfileSection(int slot, ProfileData& profile) const
{
    const QSettings file(m_filePath, QSettings::IniFormat);
    ProfileCodec::read(file, section(slot), profile, ProfileCodec::LightKeys::Excluded);
}

StorageResult ConfigurationFile::exportConfiguration(const ProfileSet& set, const QString& productName) const
{
    SettingsWriter writer(m_filePath);
    QSettings& s = writer.settings();
    s.setValue(QStringLiteral("MouseName/Name"), productName);
    writeSetKeys(s, set);
    for (int i = 0; i < ProfileSet::kProfiles; ++i)
        s.setValue(profileNameKey(i), set.profileNames[i]);
    for (int i = 0; i < ProfileSet::kProfiles; ++i)
        ProfileCodec::write(s, section(i), set.profiles[i], ProfileCodec::LightKeys::Excluded);
    return writer.finish();
}

void ConfigurationFile::importConfiguration(ProfileSet& set) const
{
    const QSettings s(m_filePath, QSettings::IniFormat);
    readSetKeys(s, set);
    for (int i = 0; i < ProfileSet::kProfiles; ++i) {
        if (s.contains(profileNameKey(i)))
            set.profileNames[i] = SettingsValues::readText(s, profileNameKey(i));
        ProfileCodec::read(s, section(i), set.profiles[i], ProfileCodec::LightKeys::Excluded);
    }
}
