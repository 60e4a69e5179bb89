#pragma once

#include <QSettings>
#include <QString>

// Every INI file the program reads or writes is opened here, in the INI
// format of IniText: no stored value ever reaches QSettings' own variant
// decoding, whichever key it sits at.
//
// Only regular files are read: a folder, a FIFO or a device node in place of
// a file reads as missing (a FIFO would block the reader for good), and so
// does a file far larger than any file of ours.
namespace IniFile {

QSettings::Format format();

// The path to hand QSettings for a read: the path itself, or an empty path
// (no keys at all) when the file must not be read.
QString readablePath(const QString& path);

// Whether the path can be read as a file of ours: missing, or a regular
// readable file of a plausible size.
bool isReadable(const QString& path);
// Whether something that is not a regular file stands at the path, so that
// neither a read nor a write should touch it. Logs what it found.
bool isBlocked(const QString& path);

} // namespace IniFile
