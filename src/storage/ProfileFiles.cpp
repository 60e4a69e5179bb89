// SPDX-License-Identifier: GPL-3.0-or-later
#include "storage/ProfileFiles.h"

#include "storage/FileCopy.h"
#include "storage/FileNames.h"
#include "storage/IniFile.h"
#include "storage/IniReader.h"
#include "storage/KeptKeys.h"
#include "storage/ProfileCodec.h"
#include "storage/ProfileData.h"
#include "storage/ProfileText.h"
#include "storage/SettingsValues.h"
#include "storage/SettingsWriter.h"
#include "storage/StorageLog.h"
#include "storage/TextFile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMutexLocker>

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
    : m_profileDir(paths.profileDir(modelName))
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
    return !path.isEmpty() && QFileInfo::exists(path);
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
    // The keys of the file that the record has no field for are written back
    // as they are; a file that cannot be read has none to keep.
    const QMutexLocker locker(&TextFile::writeLock());
    QByteArray text;
    KeptKeys kept;
    if (TextFile::read(path, text).isOk())
        (void)ProfileText::read(text, kSection, ProfileCodec::LightKeys::Included, nullptr, &kept);
    return TextFile::replace(path,
                             ProfileText::write(profile, kSection, ProfileCodec::LightKeys::Included, kept));
}

StorageResult ProfileFiles::readProfile(ProfileData& profile, const QString& path)
{
    QByteArray text;
    StorageResult result = path.isEmpty() ? StorageResult::success() : TextFile::read(path, text);
    const ProfileText::Refusal refusal =
        ProfileText::read(text, kSection, ProfileCodec::LightKeys::Included, &profile, nullptr);
    if (refusal != ProfileText::Refusal::None) {
        result = StorageResult::failure(TextFile::cannotRead(path, ProfileText::refusalText(refusal)));
        qCWarning(lcStorage).noquote() << result.errorMessage();
    }
    return result;
}

void ProfileFiles::loadProfile(ProfileData& profile, const QString& path)
{
    (void)readProfile(profile, path);
}

StorageResult ProfileFiles::saveNamedProfile(const ProfileData& profile, const QString& name)
{
    QString path;
    StorageResult result = checkedPath(name, &path);
    return result.isOk() ? saveProfile(profile, path) : result;
}

QString ProfileFiles::namedFile(const QString& name) const
{
    return m_profileDir + QLatin1Char('/') + name + kExtension;
}

StorageResult ProfileFiles::readNamedProfile(ProfileData& profile, const QString& name) const
{
    // Earlier installs saved a slot without a name as ".prof"; it still
    // loads, although no new file of that name is written.
    if (name.isEmpty()) {
        loadProfile(profile, namedFile(name));
        return StorageResult::success();
    }
    const QString path = profilePath(name);
    if (path.isEmpty()) {
        qCWarning(lcStorage) << "profile name not usable as a file name:" << name;
        loadProfile(profile, QString());
        return StorageResult::failure(TextFile::cannotRead(
            namedFile(name), QCoreApplication::translate("ProfileFiles", "no file can have that name.")));
    }
    const QString earlier = earlierInstallFile(name);
    if (!earlier.isEmpty()) {
        loadProfile(profile, earlier);
        return StorageResult::success();
    }
    return readProfile(profile, path);
}

void ProfileFiles::loadNamedProfile(ProfileData& profile, const QString& name) const
{
    (void)readNamedProfile(profile, name);
}

QString ProfileFiles::unreadableFile(const QString& name) const
{
    if (name.isEmpty())
        return QString();
    const QString path = profilePath(name);
    if (path.isEmpty())
        return namedFile(name);
    QByteArray text;
    if (!TextFile::read(path, text).isOk())
        return path;
    const ProfileText::Refusal refusal =
        ProfileText::read(text, kSection, ProfileCodec::LightKeys::Included, nullptr, nullptr);
    return refusal == ProfileText::Refusal::None ? QString() : path;
}

StorageResult ProfileFiles::writeStoredDpi(const QString& name, quint8 dpi)
{
    QString path;
    StorageResult result = checkedPath(name, &path);
    if (!result.isOk())
        return result;
    SettingsWriter writer(path);
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
    if (result.isOk())
        result = writeProductMarker(productName, path);
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
    if (QFileInfo::exists(target))
        return StorageResult::failure(existsMessage());
    QDir().mkpath(m_profileDir);
    return QFile::copy(sourcePath, target) ? StorageResult::success() : copyFailed(sourcePath, target);
}

StorageResult ProfileFiles::renameProfile(const QString& oldName, const QString& newName)
{
    QString from;
    QString to;
    StorageResult result = checkedPath(oldName, &from);
    result += checkedPath(newName, &to);
    if (!result.isOk())
        return result;
    if (QFileInfo::exists(to))
        return StorageResult::failure(existsMessage());
    // A profile that was never saved has no file to take the new name.
    if (!QFileInfo::exists(from) || QFile::rename(from, to))
        return StorageResult::success();
    return StorageResult::failure(
        QCoreApplication::translate("ProfileFiles", "Could not rename %1 to %2.").arg(from, to));
}

StorageResult ProfileFiles::removeProfile(const QString& name)
{
    QString path;
    StorageResult result = checkedPath(name, &path);
    if (!result.isOk() || !QFileInfo::exists(path))
        return result;
    return QFile::remove(path)
               ? StorageResult::success()
               : StorageResult::failure(
                     QCoreApplication::translate("ProfileFiles", "Could not delete %1.").arg(path));
}
