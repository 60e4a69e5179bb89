// SPDX-License-Identifier: GPL-3.0-or-later
#include "storage/FileCopy.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>

#include <QSaveFile>
#include <algorithm>

namespace FileCopy {

namespace {

StorageResult failed(const QString& source, const QString& target)
{
    return StorageResult::failure(
        QCoreApplication::translate("FileCopy", "Could not copy %1 to %2.").arg(source, target));
}

} // namespace

StorageResult replace(const QString& source, const QString& target, qint64 maxBytes)
{
    const QFileInfo from(source);
    const QFileInfo to(target);
    if (!from.isFile() || from.size() > maxBytes || to.isSymLink() || (to.exists() && !to.isFile()))
        return failed(source, target);
    QFile in(source);
    if (!in.open(QIODevice::ReadOnly))
        return failed(source, target);
    // As much as the file holds, and one byte more to see it grow past the
    // limit: a read takes a buffer as large as it is asked for.
    const QByteArray bytes = in.read(std::min(in.size(), maxBytes) + 1);
    if (bytes.size() > maxBytes)
        return failed(source, target);
    // Unbuffered, so that a write the disk refuses fails here and the
    // commit never replaces the old file with a short one.
    QSaveFile out(target);
    if (!out.open(QIODevice::WriteOnly | QIODevice::Unbuffered) || out.write(bytes) != bytes.size() ||
        !out.commit())
        return failed(source, target);
    return StorageResult::success();
}

} // namespace FileCopy
