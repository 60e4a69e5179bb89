// SPDX-License-Identifier: GPL-3.0-or-later
#include "storage/SettingsWriter.h"

#include "storage/IniFile.h"
#include "storage/IniReader.h"
#include "storage/IniText.h"
#include "storage/StorageLog.h"
#include "storage/TextFile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QMutex>
#include <QMutexLocker>
#include <QSaveFile>

SettingsWriter::SettingsWriter(const QString& filePath)
    : m_filePath(filePath), m_notAFile(IniFile::isBlocked(filePath))
{
    const QString folder = QFileInfo(filePath).absolutePath();
    m_folderReady = !m_notAFile && QDir().mkpath(folder) && QFileInfo(folder).isWritable();
}

namespace {

QMutex& fileLock()
{
    return TextFile::writeLock();
}

} // namespace

StorageResult SettingsWriter::finish()
{
    if (m_notAFile)
        return StorageResult::failure(
            QCoreApplication::translate("SettingsWriter", "Could not save %1: it is not a regular file.")
                .arg(m_filePath));
    if (!m_folderReady) {
        qCWarning(lcStorage) << "folder not writable for" << m_filePath;
        return StorageResult::failure(
            QCoreApplication::translate("SettingsWriter",
                                        "Could not save %1: its folder cannot be created or written.")
                .arg(m_filePath));
    }
    // What the file holds now stays, except values of types our files do not
    // hold, which the reader drops.
    const QMutexLocker locker(&fileLock());
    QSettings::SettingsMap keys = IniReader(m_filePath).keys();
    for (auto it = m_keys.cbegin(); it != m_keys.cend(); ++it)
        keys.insert(it.key(), it.value());
    QSaveFile file(m_filePath);
    const QByteArray text = IniText::serialise(keys);
    if (file.open(QIODevice::WriteOnly) && file.write(text) == text.size() && file.commit())
        return StorageResult::success();
    qCWarning(lcStorage) << "write failed for" << m_filePath << file.errorString();
    return StorageResult::failure(
        QCoreApplication::translate("SettingsWriter", "Could not save %1: the file cannot be written.")
            .arg(m_filePath));
}
