// SPDX-License-Identifier: GPL-3.0-or-later
#include "storage/IniReader.h"

#include "storage/IniFile.h"
#include "storage/IniText.h"

#include <QFile>

IniReader::IniReader(const QString& path)
{
    if (!IniFile::isReadable(path))
        return;
    QFile file(path);
    if (file.open(QIODevice::ReadOnly))
        IniText::parse(file.readAll(), m_keys);
}
