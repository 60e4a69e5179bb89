// SPDX-License-Identifier: GPL-3.0-or-later
#include "FuzzFiles.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLoggingCategory>
#include <QTemporaryDir>

#include <algorithm>

namespace {

// Memory-backed where the system has it: a run writes and removes a few
// files, which costs a disk file system more than the reader itself.
QTemporaryDir& scratch()
{
    static QTemporaryDir dir(QFileInfo(QStringLiteral("/dev/shm")).isWritable()
                                 ? QStringLiteral("/dev/shm/mousecfg-fuzz-XXXXXX")
                                 : QDir::tempPath() + QStringLiteral("/mousecfg-fuzz-XXXXXX"));
    return dir;
}

QString nextRunDir()
{
    static quint64 run = 0;
    return scratch().path() + QStringLiteral("/run%1").arg(++run);
}

} // namespace

FuzzFiles::FuzzFiles() : m_dir(nextRunDir()), m_paths(m_dir)
{
    QDir().mkpath(m_paths.configDir());
}

FuzzFiles::~FuzzFiles()
{
    // What this run wrote, then its folders deepest first; anything a reader
    // added on its own is left for the slow way at the end.
    QStringList folders = {m_paths.configDir()};
    for (const QString& file : m_written) {
        QFile::remove(file);
        folders.append(QFileInfo(file).absolutePath());
    }
    for (int i = 0; i < folders.size(); ++i) {
        const QString parent = QFileInfo(folders.at(i)).absolutePath();
        if (parent.size() > m_dir.size() && !folders.contains(parent))
            folders.append(parent);
    }
    std::sort(folders.begin(), folders.end(),
              [](const QString& a, const QString& b) { return a.size() > b.size(); });
    for (const QString& folder : folders)
        QDir().rmdir(folder);
    if (!QDir().rmdir(m_dir))
        QDir(m_dir).removeRecursively();
}

QString FuzzFiles::write(const QString& relativePath, const uint8_t* data, size_t size) const
{
    const QString path = m_dir + QLatin1Char('/') + relativePath;
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    if (file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        file.write(reinterpret_cast<const char*>(data), qint64(size));
    m_written.append(path);
    return path;
}

void initialiseFuzzing(int* argc, char*** argv)
{
    static QCoreApplication app(*argc, *argv);
    // Warnings about damaged files are expected by the thousand.
    QLoggingCategory::setFilterRules(QStringLiteral("*=false"));
}
