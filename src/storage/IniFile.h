// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "storage/FileLimits.h"

#include <QString>

// Which paths the INI reader and writer may open. Only regular files are
// read: a folder, a FIFO or a device node in place of a file reads as missing (a FIFO would block the reader
// for good), and so does a file far larger than any file of ours.
namespace IniFile {

constexpr qint64 kMaxFileBytes = FileLimits::kMaxFileBytes;

// Whether the path can be read as a file of ours: missing, or a regular
// readable file of a plausible size.
bool isReadable(const QString& path);
// Whether something that is not a regular file stands at the path, so that
// neither a read nor a write should touch it. Logs what it found.
bool isBlocked(const QString& path);

} // namespace IniFile
