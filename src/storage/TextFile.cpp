// SPDX-License-Identifier: GPL-3.0-or-later
#include "storage/TextFile.h"

#include "storage/FileLimits.h"
#include "storage/IniFile.h"
#include "storage/StorageLog.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMutex>
#include <QSaveFile>

namespace {

StorageResult saveFailed(const char* text, const QString& path)
{
    return StorageResult::failure(QCoreApplication::translate("SettingsWriter", text).arg(path));
}

// The file's bytes, one more than the limit at most, in one read of the
// size it had (it may have grown since).
void readBounded(QFile& file, qint64 size, QByteArray& text)
{
    constexpr qint64 kChunk = 64 * 1024;
    text = file.read(qMin(size, FileLimits::kMaxFileBytes) + 1);
    while (text.size() <= FileLimits::kMaxFileBytes && !file.atEnd() && file.error() == QFileDevice::NoError)
        text += file.read(qMin(kChunk, FileLimits::kMaxFileBytes + 1 - text.size()));
}

} // namespace

namespace TextFile {

QMutex& writeLock()
{
    static QMutex lock;
    return lock;
}

QString cannotRead(const QString& path, const QString& reason)
{
    return QCoreApplication::translate("TextFile", "The file %1 cannot be read: %2").arg(path, reason);
}

StorageResult read(const QString& path, QByteArray& text)
{
    text.clear();
    const QFileInfo info(path);
    if (!info.exists())
        return StorageResult::success();
    QString reason;
    if (!info.isFile()) {
        reason = QCoreApplication::translate("TextFile", "it is not a regular file.");
    } else if (info.size() > FileLimits::kMaxFileBytes) {
        reason = QCoreApplication::translate("TextFile", "it is larger than %1 MB.")
                     .arg(FileLimits::kMaxFileBytes / (1024 * 1024));
    } else {
        QFile file(path);
        if (file.open(QIODevice::ReadOnly))
            readBounded(file, info.size(), text);
        if (!file.isOpen() || file.error() != QFileDevice::NoError)
            reason = QCoreApplication::translate("TextFile", "it cannot be opened.");
        else if (text.size() > FileLimits::kMaxFileBytes)
            reason = QCoreApplication::translate("TextFile", "it is larger than %1 MB.")
                         .arg(FileLimits::kMaxFileBytes / (1024 * 1024));
    }
    if (reason.isEmpty())
        return StorageResult::success();
    text.clear();
    const QString message = cannotRead(path, reason);
    qCWarning(lcStorage).noquote() << message;
    return StorageResult::failure(message);
}

StorageResult replace(const QString& path, const QByteArray& text)
{
    if (IniFile::isBlocked(path))
        return saveFailed(QT_TRANSLATE_NOOP("SettingsWriter", "Could not save %1: it is not a regular file."),
                          path);
    const QString folder = QFileInfo(path).absolutePath();
    if (!QDir().mkpath(folder) || !QFileInfo(folder).isWritable())
        return saveFailed(QT_TRANSLATE_NOOP("SettingsWriter",
                                            "Could not save %1: its folder cannot be created or written."),
                          path);
    QSaveFile file(path);
    // A write that did not reach the file (a full disk) may only show in the
    // flush; the rename must not happen then.
    if (file.open(QIODevice::WriteOnly) && file.write(text) == text.size() && file.flush() && file.commit())
        return StorageResult::success();
    qCWarning(lcStorage) << "write failed for" << path << file.errorString();
    file.cancelWriting();
    return saveFailed(QT_TRANSLATE_NOOP("SettingsWriter", "Could not save %1: the file cannot be written."),
                      path);
}

} // namespace TextFile
