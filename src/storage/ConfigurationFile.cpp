// SPDX-License-Identifier: GPL-3.0-or-later
#include "storage/ConfigurationFile.h"

#include "storage/IniReader.h"
#include "storage/ProfileCodec.h"
#include "storage/ProfileSet.h"
#include "storage/ProfileSetKeys.h"
#include "storage/SettingsValues.h"
#include "storage/SettingsWriter.h"

namespace {

QString section(int slot)
{
    return QStringLiteral("PROFILE_%1").arg(slot);
}
} // namespace

ConfigurationFile::ConfigurationFile(const QString& filePath) : m_filePath(filePath) {}

StorageResult ConfigurationFile::writeProfileSection(int slot, const ProfileData& profile)
{
    SettingsWriter writer(m_filePath);
    ProfileCodec::write(writer.settings(), section(slot), profile, ProfileCodec::LightKeys::Excluded);
    return writer.finish();
}

void ConfigurationFile::readProfileSection(int slot, ProfileData& profile) const
{
    const IniReader file(m_filePath);
    ProfileCodec::read(file, section(slot), profile, ProfileCodec::LightKeys::Excluded);
}

StorageResult ConfigurationFile::exportConfiguration(const ProfileSet& set, const QString& productName)
{
    SettingsWriter writer(m_filePath);
    SettingsWriter& s = writer.settings();
    s.setValue(QStringLiteral("MouseName/Name"), productName);
    ProfileSetKeys::writeSettings(s, set);
    ProfileSetKeys::writeNames(s, set);
    for (int i = 0; i < ProfileSet::kProfiles; ++i)
        ProfileCodec::write(s, section(i), set.profiles[i], ProfileCodec::LightKeys::Excluded);
    return writer.finish();
}

void ConfigurationFile::importConfiguration(ProfileSet& set) const
{
    const IniReader s(m_filePath);
    ProfileSetKeys::readSettings(s, set);
    for (int i = 0; i < ProfileSet::kProfiles; ++i) {
        const QString name = SettingsValues::readText(s, ProfileSetKeys::profileNameKey(i));
        if (!name.isEmpty())
            set.profileNames[i] = name;
        ProfileCodec::read(s, section(i), set.profiles[i], ProfileCodec::LightKeys::Excluded);
    }
}
