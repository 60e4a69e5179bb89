// SPDX-License-Identifier: GPL-3.0-or-later
#include "storage/ConfigSeeding.h"

#include "storage/StorageLog.h"

#include <QCoreApplication>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>

namespace {

StorageResult cannotWrite(const QString& path)
{
    return StorageResult::failure(QCoreApplication::translate("ConfigSeeding", "Could not create %1.")
                                      .arg(QDir::toNativeSeparators(path)));
}

StorageResult makeFolder(const QString& path)
{
    return QDir().mkpath(path) ? StorageResult::success() : cannotWrite(path);
}

// The shipped files are read-only for the user; the copies are theirs to change.
StorageResult copyFile(const QString& from, const QString& to)
{
    if (QFileInfo::exists(to))
        return StorageResult::success();
    StorageResult result = makeFolder(QFileInfo(to).absolutePath());
    if (!result.isOk())
        return result;
    if (!QFile::copy(from, to))
        return cannotWrite(to);
    QFile::setPermissions(to, QFile::permissions(to) | QFile::ReadOwner | QFile::WriteOwner);
    return StorageResult::success();
}

} // namespace

StorageResult ConfigSeeding::seedIfFirstStart(const AppPaths& paths)
{
    if (paths.isPortable() || QFileInfo::exists(paths.configFile()))
        return StorageResult::success();
    qCDebug(lcStorage).noquote() << "first start: seeding" << paths.configDir() << "from"
                                 << paths.sampleConfigDir();
    const QDir sample(paths.sampleConfigDir());
    StorageResult result = makeFolder(paths.configDir());
    // Plain files only: links in the shipped folder are not followed out of it.
    QDirIterator files(sample.path(), QDir::Files | QDir::NoSymLinks | QDir::Hidden,
                       QDirIterator::Subdirectories);
    while (result.isOk() && files.hasNext()) {
        const QString from = files.next();
        const QString relative = sample.relativeFilePath(from);
        if (QFileInfo(from).fileName() == QLatin1String(".gitkeep"))
            continue;
        result += copyFile(from, paths.configDir() + QLatin1Char('/') + relative);
    }
    if (result.isOk())
        result += makeFolder(paths.configDir() + QStringLiteral("/Profile"));
    if (result.isOk())
        result += makeFolder(paths.macroDir());
    if (!result.isOk())
        qCWarning(lcStorage).noquote() << result.errorMessage();
    return result;
}
