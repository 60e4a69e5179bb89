// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "storage/StorageResult.h"

#include <QString>

// Copies that write over a file the user chose to replace.
namespace FileCopy {

// Writes source's bytes over target in one step: whoever reads target finds
// the old file or the whole new one. Refuses a source larger than maxBytes
// or that is not a regular file, and a target that is a folder, a link or a
// device; an existing target stays as it was on any failure.
StorageResult replace(const QString& source, const QString& target, qint64 maxBytes);

} // namespace FileCopy
