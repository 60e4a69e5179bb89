// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "storage/AppPaths.h"
#include "storage/ProfileSet.h"
#include "storage/StorageResult.h"

#include <QStringList>

// The "changed since the last transfer" mark of the macro files. A save
// sets it; a transfer clears it only for macros that reach the mouse exactly
// as they did the last time: bound to a button whose whole record (function,
// macro name and copied steps) is the same as at the last transfer.
namespace MacroChangeMarks {

// The macros whose marks the transfer from `before` to `now` may clear, each
// name once.
QStringList unchangedMacros(const ProfileSet& before, const ProfileSet& now);

// Clears the marks of unchangedMacros() in the macro folder.
StorageResult clearUnchanged(const AppPaths& paths, const ProfileSet& before, const ProfileSet& now);

} // namespace MacroChangeMarks
