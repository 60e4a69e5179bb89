#include "FuzzFiles.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLoggingCategory>
#include <QTemporaryDir>

namespace {

QTemporaryDir& scratch()
{
    static QTemporaryDir dir;
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
    QDir(m_dir).removeRecursively();
}

QString FuzzFiles::write(const QString& relativePath, const uint8_t* data, size_t size) const
{
    const QString path = m_dir + QLatin1Char('/') + relativePath;
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    if (file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        file.write(reinterpret_cast<const char*>(data), qint64(size));
    return path;
}

void initialiseFuzzing(int* argc, char*** argv)
{
    static QCoreApplication app(*argc, *argv);
    // Warnings about damaged files are expected by the thousand.
    QLoggingCategory::setFilterRules(QStringLiteral("*=false"));
}
