// SPDX-License-Identifier: GPL-3.0-or-later
#include "storage/ProfileSetStore.h"

#include "storage/ProfileDefaults.h"
#include "storage/ProfileSet.h"

#include <QCoreApplication>
#include <QFile>

ProfileSetStore::ProfileSetStore(const AppPaths& paths, const QString& modelName)
    : m_config(paths), m_product(paths.productDescriptionFile()), m_files(paths, modelName)
{
}

QStringList ProfileSetStore::loadSet(ProfileSet& set) const
{
    m_config.readSetConfig(set);
    QStringList unreadable;
    for (int i = 0; i < ProfileSet::kProfiles; ++i) {
        if (!m_files.readNamedProfile(set.profiles[i], set.profileNames[i]).isOk())
            unreadable.append(m_files.namedFile(set.profileNames[i]));
    }
    return unreadable;
}

QString ProfileSetStore::unreadableMessage(const QStringList& files)
{
    QStringList lines;
    for (const QString& file : files)
        lines.append(
            QCoreApplication::translate("ProfileSetStore", "The profile file %1 cannot be read.").arg(file));
    return lines.join(QLatin1Char('\n'));
}

StorageResult ProfileSetStore::createMissingProfiles(ProfileSet& set)
{
    StorageResult result = StorageResult::success();
    for (int i = 0; i < ProfileSet::kProfiles; ++i) {
        const QString& name = set.profileNames[i];
        if (name.isEmpty() || m_files.profilePath(name).isEmpty() || m_files.exists(name))
            continue;
        ProfileData& profile = set.profiles[i];
        // A profile an earlier install kept outside the model's folder moves
        // in with the model rather than being replaced by the factory one.
        const QString earlier = m_files.earlierInstallFile(name);
        if (earlier.isEmpty()) {
            ProfileDefaults::resetProfile(profile, m_product);
            profile.ProfileName = name;
        } else {
            ProfileFiles::loadProfile(profile, earlier);
        }
        result += m_files.saveNamedProfile(profile, name);
    }
    return result;
}

StorageResult ProfileSetStore::saveSet(const ProfileSet& set)
{
    StorageResult result = m_config.writeSetConfig(set);
    for (int i = 0; i < ProfileSet::kProfiles; ++i) {
        const StorageResult saved = m_files.saveNamedProfile(set.profiles[i], set.profileNames[i]);
        if (!saved.isOk())
            result += StorageResult::failure(
                QCoreApplication::translate("ProfileSetStore", "Profile %1 was not saved: %2")
                    .arg(i + 1)
                    .arg(saved.errorMessage()));
    }
    return result;
}

StorageResult ProfileSetStore::selectProfile(ProfileSet& set, int index, const QString& reloadName)
{
    if (index < 0 || index >= ProfileSet::kProfiles)
        return StorageResult::failure(
            QCoreApplication::translate("ProfileSetStore", "No profile slot %1.").arg(index));
    set.ProfileID = quint8(index);
    if (!reloadName.isEmpty()) {
        set.profileNames[index] = reloadName;
        m_files.loadNamedProfile(set.profiles[index], reloadName);
        set.profiles[index].ProfileName = reloadName;
    }
    return m_config.setProfileId(index);
}

StorageResult ProfileSetStore::writeDefaultProfile()
{
    ProfileData profile;
    ProfileDefaults::resetProfile(profile, m_product);
    const QString path = m_files.defaultProfilePath();
    // Replacing, not merging: nothing of an older default profile survives.
    QFile::remove(path);
    return ProfileFiles::saveProfile(profile, path);
}
