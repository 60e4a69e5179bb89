// SPDX-License-Identifier: GPL-3.0-or-later
#include "storage/ProfileFiles.h"

#include "storage/FileCopy.h"
#include "storage/FileLimits.h"
#include "storage/FileNames.h"
#include "storage/FileStore.h"
#include "storage/IniFile.h"
#include "storage/IniReader.h"
#include "storage/KeptKeys.h"
#include "storage/ProfileCodec.h"
#include "storage/ProfileData.h"
#include "storage/ProfileText.h"
#include "storage/SettingsValues.h"
#include "storage/SettingsWriter.h"
#include "storage/StorageLog.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <algorithm>
#include <optional>
#include <string_view>

namespace {

const QString kSection = QStringLiteral("PROFILE");
const QString kExtension = QStringLiteral(".prof");
const QString kMarkerKey = QStringLiteral("MouseName/Name");

constexpr ProfileCodec::LightKeys kLights = ProfileCodec::LightKeys::Included;

// Whether every key of the text stands as written at the start of its line:
// no line starts with a blank or a carriage return, and no key holds an
// escape ("%64pi" reads as "dpi").
bool keysAsWritten(std::string_view text)
{
    if (text.find("\n ") != text.npos || text.find("\n\t") != text.npos || text.find('\r') != text.npos)
        return false;
    for (size_t at = text.find('%'); at != text.npos; at = text.find('%', at + 1)) {
        const size_t lineStart = text.rfind('\n', at);
        const size_t equals = text.find('=', lineStart == text.npos ? 0 : lineStart);
        if (equals == text.npos || equals > at)
            return false;
    }
    return true;
}

// The text with its one stage line "dpi=N" set to the stage, where the file
// stands as this program writes it: that line once, in the profile's
// section, and no other line that could be read as the same key. Nothing
// otherwise: the whole record is read and written then. The mouse reports
// its stage many times a session, and this keeps each report to one line.
std::optional<QByteArray> withStageLine(const QByteArray& bytes, quint8 dpi)
{
    constexpr std::string_view header = "[PROFILE]\n";
    constexpr std::string_view key = "\ndpi=";
    const std::string_view text(bytes.constData(), size_t(bytes.size()));
    const size_t at = text.find(key);
    if (at == text.npos || text.find("\ndpi", at + 1) != text.npos || text.find("\ndpi") != at)
        return std::nullopt;
    const size_t valueStart = at + key.size();
    const size_t valueEnd = std::min(text.find('\n', valueStart), text.size());
    if (valueEnd == valueStart)
        return std::nullopt;
    for (size_t i = valueStart; i < valueEnd; ++i)
        if (text[i] < '0' || text[i] > '9')
            return std::nullopt;
    // The line is in the profile's section: the last header before it opens it.
    size_t section = 0;
    for (size_t next = text.find("\n["); next < at; next = text.find("\n[", next + 1))
        section = next + 1;
    if (text.substr(section, header.size()) != header || !keysAsWritten(text))
        return std::nullopt;
    QByteArray changed = bytes;
    changed.replace(int(valueStart), int(valueEnd - valueStart), QByteArray::number(dpi));
    return changed;
}

// The record as the file's text; with replace the file holds nothing else,
// without it the keys the record has no field for stay.
FileStore::Edit profileEdit(const ProfileData& profile, bool replace)
{
    return [profile, replace](const QByteArray& current) {
        KeptKeys kept;
        if (!replace)
            (void)ProfileText::read(current, kSection, kLights, nullptr, &kept);
        return ProfileText::write(profile, kSection, kLights, kept);
    };
}

// Reads the text into the record (defaults when it cannot be read); the
// failure names the file and why.
StorageResult readText(const QByteArray& text, const QString& error, const QString& path,
                       ProfileData& profile)
{
    const ProfileText::Refusal refusal = ProfileText::read(text, kSection, kLights, &profile, nullptr);
    QString reason = error;
    if (reason.isEmpty() && refusal != ProfileText::Refusal::None)
        reason = QCoreApplication::translate("ProfileFiles", "The file %1 cannot be read: %2")
                     .arg(path, ProfileText::refusalText(refusal));
    if (reason.isEmpty())
        return StorageResult::success();
    qCWarning(lcStorage).noquote() << reason;
    return StorageResult::failure(reason);
}

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
    FileStore store;
    return store.edit(path, profileEdit(profile, false));
}

StorageResult ProfileFiles::readProfile(ProfileData& profile, const QString& path)
{
    QString error;
    const QByteArray text =
        path.isEmpty() ? QByteArray() : FileStore().read(path, FileLimits::kMaxFileBytes, &error);
    return readText(text, error, path, profile);
}

void ProfileFiles::loadProfile(ProfileData& profile, const QString& path)
{
    (void)readProfile(profile, path);
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
    return m_paths.store().edit(path, profileEdit(profile, replace));
}

QString ProfileFiles::readProfileFile(ProfileData& profile, const QString& path) const
{
    QString error;
    const QByteArray text =
        path.isEmpty() ? QByteArray() : m_paths.store().read(path, FileLimits::kMaxFileBytes, &error);
    return readText(text, error, path, profile).errorMessage();
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
    // Only the stage changes; the rest of the file is written back as read.
    return m_paths.store().set(path, QStringLiteral("dpi"), [dpi](const QByteArray& current) {
        if (const std::optional<QByteArray> changed = withStageLine(current, dpi))
            return *changed;
        ProfileData record;
        KeptKeys kept;
        if (ProfileText::read(current, kSection, kLights, &record, &kept) != ProfileText::Refusal::None)
            return current;
        record.dpi = dpi;
        return ProfileText::write(record, kSection, kLights, kept);
    });
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
