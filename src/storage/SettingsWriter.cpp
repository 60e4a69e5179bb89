#include "storage/SettingsWriter.h"

#include "storage/IniFile.h"
#include "storage/StorageLog.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

SettingsWriter::SettingsWriter(const QString& filePath)
    : m_filePath(filePath), m_notAFile(IniFile::isBlocked(filePath))
{
    const QString folder = QFileInfo(filePath).absolutePath();
    m_folderReady = !m_notAFile && QDir().mkpath(folder) && QFileInfo(folder).isWritable();
    // Settings on no file at all take the keys and write nowhere.
    m_settings = std::make_unique<QSettings>(m_notAFile ? QString() : filePath, IniFile::format());
}

SettingsWriter::~SettingsWriter() = default;

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
    m_settings->sync();
    const QSettings::Status status = m_settings->status();
    // A format error means the file that was there could not be parsed; the
    // new keys are written all the same, with what could be read of the rest.
    if (status == QSettings::FormatError)
        qCWarning(lcStorage) << "replaced a damaged file:" << m_filePath;
    if (status != QSettings::AccessError)
        return StorageResult::success();
    qCWarning(lcStorage) << "write failed for" << m_filePath;
    return StorageResult::failure(
        QCoreApplication::translate("SettingsWriter", "Could not save %1: the file cannot be written.")
            .arg(m_filePath));
}
