// SPDX-License-Identifier: GPL-3.0-or-later
#include "storage/IniReader.h"

#include "storage/FileLimits.h"
#include "storage/FileStore.h"
#include "storage/IniFile.h"
#include "storage/IniText.h"

#include <QCoreApplication>
#include <QFile>

#include <algorithm>

IniReader::IniReader(FileStore& store, const QString& path)
{
    const QByteArray text = store.read(path, FileLimits::kMaxFileBytes, &m_error);
    if (m_error.isEmpty())
        parse(text, path);
}

IniReader::IniReader(const QString& path)
{
    if (!IniFile::isReadable(path)) {
        if (QFile::exists(path))
            m_error = QCoreApplication::translate("IniReader", "%1 cannot be read as a file of the program.")
                          .arg(path);
        return;
    }
    QFile file(path);
    if (file.open(QIODevice::ReadOnly))
        parse(file.read(std::min(file.size(), FileLimits::kMaxFileBytes) + 1), path);
}

void IniReader::parse(const QByteArray& text, const QString& path)
{
    QString refusal;
    IniText::parse(text, m_keys, &refusal);
    if (!refusal.isEmpty())
        m_error = QStringLiteral("%1: %2").arg(path, refusal);
}
