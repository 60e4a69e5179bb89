// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/InstanceLock.h"

#include <QByteArray>
#include <QCryptographicHash>
#include <QDebug>
#include <QDir>
#include <QFile>
#include <QStandardPaths>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

namespace {

// The lock is an flock() on a file in the user's runtime folder. The kernel
// drops the lock when the holder exits or crashes, so a file left behind by a
// dead process is simply taken over: no stale lock can block a start.
class LinuxInstanceLock : public InstanceLock
{
public:
    ~LinuxInstanceLock() override
    {
        if (m_fd >= 0)
            ::close(m_fd);
    }

    bool tryAcquire(const QString& name) override
    {
        const QString path = lockFilePath(name);
        const int fd = ::open(QFile::encodeName(path).constData(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
        if (fd < 0) {
            // Without a lock file we cannot tell; running twice beats not running.
            qWarning("instance lock: cannot open %s: %s", qPrintable(path), std::strerror(errno));
            return true;
        }
        if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
            ::close(fd);
            return false;
        }
        m_fd = fd;
        return true;
    }

private:
    static QString lockFilePath(const QString& name)
    {
        QString dir = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
        if (dir.isEmpty() || !QDir().mkpath(dir))
            dir = QDir::tempPath();
        // The product name may hold any character; the file name carries a
        // readable, safe part and a hash of the exact name.
        QString readable;
        for (const QChar c : name)
            readable +=
                (c.isLetterOrNumber() || c == QLatin1Char('-') || c == QLatin1Char('_')) ? c : QChar('_');
        const QByteArray hash =
            QCryptographicHash::hash(name.toUtf8(), QCryptographicHash::Sha1).toHex().left(12);
        return dir + QLatin1Char('/') + readable.left(80) + QLatin1Char('-') + QString::fromLatin1(hash) +
               QStringLiteral(".lock");
    }

    int m_fd = -1;
};

} // namespace

std::unique_ptr<InstanceLock> createInstanceLock()
{
    return std::make_unique<LinuxInstanceLock>();
}
