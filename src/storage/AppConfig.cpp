// SPDX-License-Identifier: GPL-3.0-or-later
#include "storage/AppConfig.h"

#include "storage/IniReader.h"
#include "storage/ProfileSet.h"
#include "storage/ProfileSetKeys.h"
#include "storage/SettingsValues.h"
#include "storage/SettingsWriter.h"

namespace {

const QColor kThemeTable[AppConfig::kThemeColours] = {
    QColor(255, 0, 0),   QColor(0, 255, 0),   QColor(0, 0, 255),   QColor(219, 200, 182),
    QColor(255, 0, 255), QColor(0, 255, 255), QColor(255, 125, 0),
};

// A library list longer than this comes from a damaged file, not from use.
constexpr int kMaxProfileListCount = 10000;

} // namespace

AppConfig::AppConfig(const AppPaths& paths) : m_paths(paths) {}

QString AppConfig::readText(const char* key) const
{
    const IniReader file(m_paths.store(), filePath());
    return SettingsValues::readText(file, QLatin1String(key));
}

int AppConfig::readInt(const char* key, int defaultValue) const
{
    const IniReader file(m_paths.store(), filePath());
    return SettingsValues::readInt(file, QLatin1String(key), defaultValue);
}

StorageResult AppConfig::writeValue(const char* key, const QVariant& value)
{
    SettingsWriter writer(m_paths.store(), filePath());
    writer.settings().setValue(QLatin1String(key), value);
    return writer.finish();
}

int AppConfig::profileId() const
{
    return readInt("Config/ProfileID");
}
StorageResult AppConfig::setProfileId(int profileId)
{
    return writeValue("Config/ProfileID", profileId);
}

StorageResult AppConfig::writeProfileAssignment(const ProfileSet& set)
{
    SettingsWriter writer(m_paths.store(), filePath());
    SettingsWriter& s = writer.settings();
    s.setValue(ProfileSetKeys::configKey("ProfileID"), int(set.ProfileID));
    s.setValue(ProfileSetKeys::configKey("Count"), int(set.Count));
    ProfileSetKeys::writeNames(s, set);
    return writer.finish();
}

void AppConfig::readSetConfig(ProfileSet& set) const
{
    const IniReader s(m_paths.store(), filePath());
    ProfileSetKeys::readSettings(s, set);
    for (int i = 0; i < ProfileSet::kProfiles; ++i)
        set.profileNames[i] = SettingsValues::readText(s, ProfileSetKeys::profileNameKey(i));
}

StorageResult AppConfig::writeSetConfig(const ProfileSet& set)
{
    SettingsWriter writer(m_paths.store(), filePath());
    ProfileSetKeys::writeSettings(writer.settings(), set);
    ProfileSetKeys::writeNames(writer.settings(), set);
    return writer.finish();
}

int AppConfig::diff() const
{
    return readInt("Config/Diff");
}
StorageResult AppConfig::setDiff(int diff)
{
    return writeValue("Config/Diff", diff);
}

QString AppConfig::currentProductName() const
{
    return readText("Config/CurrentProductName");
}

StorageResult AppConfig::setCurrentProductName(const QString& name)
{
    StorageResult result = writeValue("Config/CurrentProductName", name);
    if (!name.isEmpty() && readText("Config/LastProductName") != name)
        result += writeValue("Config/LastProductName", name);
    return result;
}

QString AppConfig::profileModelName() const
{
    const IniReader file(m_paths.store(), filePath());
    const char* const keys[] = {"Config/CurrentProductName", "Config/LastProductName", "Mouse_List/0"};
    for (const char* key : keys) {
        const QString name = SettingsValues::readText(file, QLatin1String(key));
        if (!name.isEmpty())
            return name;
    }
    return QString();
}

int AppConfig::colorId() const
{
    return readInt("Config/GColorID");
}
QColor AppConfig::themeColor() const
{
    return themeColorAt(colorId());
}
QColor AppConfig::themeColorAt(int index)
{
    return kThemeTable[qBound(0, index, kThemeColours - 1)];
}

QString AppConfig::model() const
{
    return readText("Config/Model");
}
int AppConfig::batteryFull() const
{
    return readInt("Config/BatteryFull", kDefaultBatteryFull);
}
int AppConfig::battery() const
{
    return readInt("Config/Battery");
}
StorageResult AppConfig::setBattery(int percent)
{
    return writeValue("Config/Battery", percent);
}

int AppConfig::mouseSensor() const
{
    return readInt("MouseSenSor/1");
}

int AppConfig::mouseLedMode() const
{
    return mouseLedMode(currentProductName());
}

int AppConfig::mouseLedMode(const QString& modelName) const
{
    const IniReader file(m_paths.store(), filePath());
    return SettingsValues::readInt(file, QStringLiteral("MouseLEDMode/") + modelName);
}

QByteArray AppConfig::mouseListName() const
{
    return readText("Mouse_List/0").toLatin1();
}

QStringList AppConfig::profileList(const QString& modelName) const
{
    const IniReader file(m_paths.store(), m_paths.modelConfigFile(modelName));
    const int count =
        qMin(SettingsValues::readInt(file, QStringLiteral("PROFILE_LIST/Count")), kMaxProfileListCount);
    QStringList names;
    for (int n = 1; n <= count; ++n)
        names.append(SettingsValues::readText(file, QStringLiteral("PROFILE_LIST/") + QString::number(n)));
    return names;
}

StorageResult AppConfig::writeProfileList(const QString& modelName, const QStringList& names)
{
    SettingsWriter writer(m_paths.store(), m_paths.modelConfigFile(modelName));
    SettingsWriter& s = writer.settings();
    s.setValue(QStringLiteral("PROFILE_LIST/Count"), int(names.size()));
    for (int n = 1; n <= names.size(); ++n)
        s.setValue(QStringLiteral("PROFILE_LIST/") + QString::number(n), names.at(n - 1));
    return writer.finish();
}
