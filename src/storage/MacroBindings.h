// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include <functional>

struct ButtonAssignment;
struct ProfileData;
struct ProfileSet;

// Buttons bind a macro by its name. What follows a macro that is renamed or
// deleted, in every profile of a set.
namespace MacroBindings {

// Whether the button plays the named macro (a macro or gun-set function).
bool binds(const ButtonAssignment& button, const QString& macro);
// How many buttons of the set play the named macro.
int count(const ProfileSet& set, const QString& macro);
// The buttons of `oldName` play `newName`; returns how many changed.
int rename(ProfileSet& set, const QString& oldName, const QString& newName);
// The buttons of the named macro take the function that `factory`, a
// factory profile, gives the same button; returns how many changed.
int release(ProfileSet& set, const QString& macro, const ProfileData& factory);
// Releases every button bound to a macro that does not exist: the mouse
// would receive an empty macro under the button's name.
int releaseMissing(ProfileSet& set, const std::function<bool(const QString&)>& exists,
                   const ProfileData& factory);

} // namespace MacroBindings
