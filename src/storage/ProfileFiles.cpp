// SPDX-License-Identifier: GPL-3.0-or-later
#include "storage/ProfileFiles.h"

#include "storage/FileCopy.h"
#include "storage/FileNames.h"
#include "storage/FileStore.h"
#include "storage/IniFile.h"
#include "storage/IniReader.h"
#include "storage/ProfileCodec.h"
#include "storage/ProfileData.h"
#include "storage/SettingsValues.h"
#include "storage/SettingsWriter.h"
#include "storage/StorageLog.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace {

const QString kSection = QStringLiteral("PROFILE");
const QString kExtension = QStringLiteral(".prof");
const QString kMarkerKey = QStringLiteral("MouseName/Name");

StorageResult copyFailed(const QString& source, const QString& target)
{
    return StorageResult::failure(
        QCoreApplication::translate("ProfileFiles", "Could not copy %1 to %2.").arg(source, target));
}

} // namespace

ProfileFiles::ProfileFiles(const AppPaths& paths, const QString& modelName)
    : m_paths(paths), m_profileDir(paths.profileDir(modelName))
{
    if (!modelName.isEmpty())
        m_earlierDir = paths.profileDir(QString());
}

QString ProfileFiles::earlierInstallFile(const QString& name) const
{
    if (m_earlierDir.isEmpty() || profilePath(name).isEmpty() || exists(name))
        return QString();
    const QString path = m_earlierDir + QLatin1Char('/') + name + kExtension;
    return QFileInfo(path).isFile() ? path : QString();
}

QString ProfileFiles::existsMessage()
{
    return QCoreApplication::translate("MousecfgWidget", "Profile Exist!");
}

QString ProfileFiles::wrongModelMessage()
{
    return QCoreApplication::translate("MousecfgWidget", "The file is not match current mouse!");
}

QString ProfileFiles::profilePath(const QString& name) const
{
    if (!FileNames::isSafeName(name))
        return QString();
    return m_profileDir + QLatin1Char('/') + name + kExtension;
}

QString ProfileFiles::defaultProfilePath() const
{
    return m_profileDir + QStringLiteral("/DefaultProfile.prof");
}

bool ProfileFiles::exists(const QString& name) const
{
    const QString path = profilePath(name);
    return !path.isEmpty() && m_paths.store().exists(path);
}

StorageResult ProfileFiles::checkedPath(const QString& name, QString* path) const
{
    const QString error = FileNames::nameError(name);
    if (!error.isEmpty())
        return StorageResult::failure(error);
    *path = profilePath(name);
    return StorageResult::success();
}

StorageResult ProfileFiles::saveProfile(const ProfileData& profile, const QString& path)
{
    SettingsWriter writer(path);
    ProfileCodec::write(writer.settings(), kSection, profile, ProfileCodec::LightKeys::Included);
    return writer.finish();
}

void ProfileFiles::loadProfile(ProfileData& profile, const QString& path)
{
    if (path.isEmpty()) {
        profile = ProfileData();
        profile.LedMoveOFF = 255;
        profile.LedSleepTime = 1;
        return;
    }
    const IniReader file(path);
    ProfileCodec::read(file, kSection, profile, ProfileCodec::LightKeys::Included);
}

StorageResult ProfileFiles::saveNamedProfile(const ProfileData& profile, const QString& name)
{
    QString path;
    StorageResult result = checkedPath(name, &path);
    return result.isOk() ? writeProfileFile(profile, path, false) : result;
}

StorageResult ProfileFiles::replaceProfileFile(const ProfileData& profile, const QString& path)
{
    return writeProfileFile(profile, path, true);
}

StorageResult ProfileFiles::writeProfileFile(const ProfileData& profile, const QString& path, bool replace)
{
    SettingsWriter writer(m_paths.store(), path);
    writer.setReplacing(replace);
    ProfileCodec::write(writer.settings(), kSection, profile, ProfileCodec::LightKeys::Included);
    return writer.finish();
}

QString ProfileFiles::readProfileFile(ProfileData& profile, const QString& path) const
{
    if (path.isEmpty()) {
        loadProfile(profile, path);
        return QString();
    }
    const IniReader file(m_paths.store(), path);
    ProfileCodec::read(file, kSection, profile, ProfileCodec::LightKeys::Included);
    if (!file.error().isEmpty())
        qCWarning(lcStorage).noquote() << file.error();
    return file.error();
}

QString ProfileFiles::loadNamedProfile(ProfileData& profile, const QString& name) const
{
    // Earlier installs saved a slot without a name as ".prof"; it still
    // loads, although no new file of that name is written.
    const QString path = name.isEmpty() ? m_profileDir + QLatin1Char('/') + kExtension : profilePath(name);
    if (path.isEmpty()) {
        qCWarning(lcStorage) << "profile name not usable as a file name:" << name;
        loadProfile(profile, path);
        return m_profileDir + QLatin1Char('/') + name + kExtension;
    }
    const QString earlier = name.isEmpty() ? QString() : earlierInstallFile(name);
    const QString read = earlier.isEmpty() ? path : earlier;
    const QString error = readProfileFile(profile, read);
    // A slot without a name reads as defaults whatever lies there.
    return error.isEmpty() || name.isEmpty() ? QString() : read;
}

QString ProfileFiles::unreadableFile(const QString& name) const
{
    ProfileData scratch;
    return loadNamedProfile(scratch, name);
}

StorageResult ProfileFiles::writeStoredDpi(const QString& name, quint8 dpi)
{
    QString path;
    StorageResult result = checkedPath(name, &path);
    if (!result.isOk())
        return result;
    SettingsWriter writer(m_paths.store(), path);
    writer.settings().setValue(kSection + QStringLiteral("/dpi"), int(dpi));
    return writer.finish();
}

StorageResult ProfileFiles::writeProductMarker(const QString& productName, const QString& path)
{
    SettingsWriter writer(path);
    writer.settings().setValue(kMarkerKey, productName);
    return writer.finish();
}

QString ProfileFiles::readProductMarker(const QString& path)
{
    const IniReader file(path);
    return SettingsValues::readText(file, kMarkerKey);
}

StorageResult ProfileFiles::exportProfile(const QString& name, const QString& productName,
                                          const QString& target, bool replace)
{
    QString path;
    StorageResult result = checkedPath(name, &path);
    if (result.isOk()) {
        SettingsWriter writer(m_paths.store(), path);
        writer.setValue(kMarkerKey, productName);
        result = writer.finish();
    }
    // The copy takes the file as the program sees it.
    if (result.isOk())
        result = m_paths.store().flush();
    if (!result.isOk())
        return result;
    const QFileInfo existing(target);
    // Exporting a profile onto its own file leaves it as it is.
    if (existing.exists() && existing.canonicalFilePath() == QFileInfo(path).canonicalFilePath())
        return StorageResult::success();
    if (existing.exists() && replace)
        return FileCopy::replace(path, target, IniFile::kMaxFileBytes);
    if (existing.exists())
        return StorageResult::failure(
            QCoreApplication::translate("ProfileFiles", "%1 exists already and was left as it was.")
                .arg(target));
    return QFile::copy(path, target) ? StorageResult::success() : copyFailed(path, target);
}

StorageResult ProfileFiles::importProfile(const QString& source, const QString& productName,
                                          QString* importedName)
{
    if (readProductMarker(source) != productName)
        return StorageResult::failure(wrongModelMessage());
    const QFileInfo info(source);
    const QString name = info.suffix() == QLatin1String("prof") ? info.completeBaseName() : info.fileName();
    StorageResult result = copyProfile(source, name);
    if (result.isOk() && importedName)
        *importedName = name;
    return result;
}

StorageResult ProfileFiles::copyProfile(const QString& sourcePath, const QString& newName)
{
    QString target;
    StorageResult result = checkedPath(newName, &target);
    if (!result.isOk())
        return result;
    // Copying from a FIFO or a device would block or never end.
    if (IniFile::isBlocked(sourcePath))
        return copyFailed(sourcePath, target);
    if (m_paths.store().exists(target))
        return StorageResult::failure(existsMessage());
    return m_paths.store().copy(sourcePath, target);
}

StorageResult ProfileFiles::renameProfile(const QString& oldName, const QString& newName)
{
    QString from;
    QString to;
    StorageResult result = checkedPath(oldName, &from);
    result += checkedPath(newName, &to);
    if (!result.isOk())
        return result;
    FileStore& store = m_paths.store();
    if (store.exists(to))
        return StorageResult::failure(existsMessage());
    // A profile that was never saved has no file to take the new name.
    return store.exists(from) ? store.rename(from, to) : StorageResult::success();
}

StorageResult ProfileFiles::removeProfile(const QString& name)
{
    QString path;
    StorageResult result = checkedPath(name, &path);
    if (!result.isOk() || !m_paths.store().exists(path))
        return result;
    return m_paths.store().remove(path);
}
