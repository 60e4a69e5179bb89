// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "storage/AppPaths.h"
#include "storage/StorageResult.h"

// The first start of an installed copy finds an empty configuration folder:
// it is filled from the sample configuration that ships with the model data,
// so that the program starts with the model's names, languages and fonts.
namespace ConfigSeeding {

// When the configuration directory holds no "Config.ini" yet, copies every
// file of the sample configuration into it (existing files are kept) and
// creates its "Profile" and "MacroDB" folders. Nothing happens in the
// portable layout, where both are one folder. A failure names the file or
// folder that could not be written.
StorageResult seedIfFirstStart(const AppPaths& paths);

} // namespace ConfigSeeding
