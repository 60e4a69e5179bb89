// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "storage/StorageResult.h"

#include <QByteArray>
#include <QString>

class QMutex;

// Whole stored files as bytes, read within the size limit and written by an
// atomic replace, for the readers and writers that handle the text
// themselves (the profile codec).
namespace TextFile {

// Held around every read-modify-write of a stored file, SettingsWriter's
// included, so that two threads saving one file never undo each other.
QMutex& writeLock();

// The reason "it is not a regular file." and the like, in a message that
// names the file: "The file ... cannot be read: ..."
QString cannotRead(const QString& path, const QString& reason);

// The bytes of the file, at most FileLimits::kMaxFileBytes of them. A
// missing file has none and reads as success; one that is not a regular
// file, cannot be opened or is larger fails.
StorageResult read(const QString& path, QByteArray& text);

// Replaces the file by the text: written whole to a file beside it, flushed
// and renamed over it, so that a failure at any step leaves the old file as
// it was. Creates the folder when it is missing.
StorageResult replace(const QString& path, const QByteArray& text);

} // namespace TextFile
