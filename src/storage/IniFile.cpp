// SPDX-License-Identifier: GPL-3.0-or-later
#include "storage/IniFile.h"

#include "storage/StorageLog.h"

#include <QFileInfo>

namespace IniFile {

bool isBlocked(const QString& path)
{
    const QFileInfo info(path);
    if (!info.exists() || info.isFile())
        return false;
    qCWarning(lcStorage) << "not a regular file, left alone:" << path;
    return true;
}

bool isReadable(const QString& path)
{
    if (path.isEmpty() || isBlocked(path))
        return false;
    const QFileInfo info(path);
    if (info.exists() && info.size() > kMaxFileBytes) {
        qCWarning(lcStorage) << "too large to be a file of ours, read as missing:" << path;
        return false;
    }
    return true;
}

} // namespace IniFile
