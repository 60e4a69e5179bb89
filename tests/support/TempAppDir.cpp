// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/TempAppDir.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>

namespace {

void copyTree(const QString& from, const QString& to)
{
    QDir().mkpath(to);
    QDirIterator it(from, QDir::Files | QDir::Hidden | QDir::NoDotAndDotDot, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString source = it.next();
        const QString target = to + QLatin1Char('/') + QDir(from).relativeFilePath(source);
        QDir().mkpath(QFileInfo(target).absolutePath());
        QFile::copy(source, target);
    }
}

} // namespace

TempAppDir::TempAppDir(bool withData) : m_paths(m_dir.path())
{
    if (!withData || !m_dir.isValid())
        return;
    copyTree(QStringLiteral(MOUSECFG_DATA_DIR), m_dir.path());
    copyTree(QStringLiteral(MOUSECFG_BUILD_APP_DIR "/skin"), m_dir.path() + QStringLiteral("/skin"));
    copyTree(QStringLiteral(MOUSECFG_BUILD_APP_DIR "/lang"), m_dir.path() + QStringLiteral("/lang"));
}

QString TempAppDir::writeFile(const QString& relativePath, const QByteArray& contents) const
{
    const QString target = m_dir.path() + QLatin1Char('/') + relativePath;
    QDir().mkpath(QFileInfo(target).absolutePath());
    QFile file(target);
    if (file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        file.write(contents);
    return target;
}

QString TempAppDir::executable(const QString& name)
{
    return QStringLiteral(MOUSECFG_BUILD_APP_DIR "/") + name;
}
