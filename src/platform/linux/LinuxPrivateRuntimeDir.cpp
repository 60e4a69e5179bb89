// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/PrivateRuntimeDir.h"

#include <QDir>
#include <QFile>

#include <cerrno>
#include <cstring>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// Empty when path is a folder (not a link to one) of this user that others
// may not enter; otherwise what is wrong with it. exactMode: the mode must
// be 0700 itself, not merely closed to others.
QString whyNotPrivate(const QString& path, bool exactMode)
{
    struct stat info = {};
    if (::lstat(QFile::encodeName(path).constData(), &info) != 0)
        return QStringLiteral("%1: %2").arg(path, QString::fromLocal8Bit(std::strerror(errno)));
    if (!S_ISDIR(info.st_mode))
        return QStringLiteral("%1 is not a folder").arg(path);
    if (info.st_uid != ::geteuid())
        return QStringLiteral("%1 belongs to another user (uid %2)").arg(path).arg(info.st_uid);
    const mode_t mode = info.st_mode & 07777;
    if (exactMode ? mode != 0700 : (mode & 077) != 0)
        return QStringLiteral("%1 may be entered by other users (mode %2)")
            .arg(path)
            .arg(mode, 4, 8, QChar('0'));
    return QString();
}

} // namespace

PrivateRuntimeDir PrivateRuntimeDir::locate(const QString& runtimeDir, const QString& tempDir)
{
    PrivateRuntimeDir result;
    if (!runtimeDir.isEmpty() && QDir::isAbsolutePath(runtimeDir) &&
        whyNotPrivate(runtimeDir, false).isEmpty()) {
        result.path = QDir::cleanPath(runtimeDir);
        return result;
    }
    const QString path = QDir::cleanPath(tempDir) + QStringLiteral("/mousecfg-%1").arg(::geteuid());
    const QByteArray encoded = QFile::encodeName(path);
    if (::mkdir(encoded.constData(), 0700) == 0) {
        // The umask may have taken more than the others' bits.
        ::chmod(encoded.constData(), 0700);
    } else if (errno != EEXIST) {
        result.error =
            QStringLiteral("cannot make %1: %2").arg(path, QString::fromLocal8Bit(std::strerror(errno)));
        return result;
    }
    // Whoever made it first, it is used only when it is ours and closed.
    result.error = whyNotPrivate(path, true);
    if (result.error.isEmpty())
        result.path = path;
    return result;
}

PrivateRuntimeDir PrivateRuntimeDir::forThisUser()
{
    return locate(QFile::decodeName(qgetenv("XDG_RUNTIME_DIR")), QDir::tempPath());
}
