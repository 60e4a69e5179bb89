#pragma once

#include "storage/IniFile.h"

#include <QSettings>
#include <QString>

// The keys of one INI file, for reading: opened in the program's own INI
// format (IniFile), and empty when the file is missing or is not a regular
// file. Construct it, read, let it go; it never writes.
class IniReader : public QSettings
{
public:
    explicit IniReader(const QString& path) : QSettings(IniFile::readablePath(path), IniFile::format()) {}
};
