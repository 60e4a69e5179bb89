#include "storage/IniFile.h"

#include "storage/IniText.h"
#include "storage/StorageLog.h"

#include <QFileInfo>
#include <QIODevice>

namespace {

// Far beyond any file of ours (a profile is some 400 KB): a larger one is
// not ours, and reading it whole would only cost memory.
constexpr qint64 kMaxFileSize = 64 * 1024 * 1024;

bool readDevice(QIODevice& device, QSettings::SettingsMap& settings)
{
    if (device.size() > kMaxFileSize)
        return false;
    // A damaged line is skipped and logged; the rest of the file still
    // counts, so the read itself never fails.
    IniText::parse(device.read(kMaxFileSize), settings);
    return true;
}

bool writeDevice(QIODevice& device, const QSettings::SettingsMap& settings)
{
    const QByteArray text = IniText::serialise(settings);
    return device.write(text) == text.size();
}

} // namespace

namespace IniFile {

QSettings::Format format()
{
    static const QSettings::Format registered =
        QSettings::registerFormat(QStringLiteral("ini"), readDevice, writeDevice);
    return registered;
}

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
    if (info.exists() && info.size() > kMaxFileSize) {
        qCWarning(lcStorage) << "too large to be a file of ours, read as missing:" << path;
        return false;
    }
    return true;
}

QString readablePath(const QString& path)
{
    // A settings object on no file at all holds no keys.
    return isReadable(path) ? path : QString();
}

} // namespace IniFile
