// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "storage/IniReader.h"

#include <QString>

class SettingsWriter;
struct ProfileSet;

// The keys of section "Config" that carry a profile set: the current
// profile, the eight shared sensor bytes, the count and the five slot names.
// The configuration file and exported configurations share them.
namespace ProfileSetKeys {

QString configKey(const char* name);
// "Config/Profile1" to "Config/Profile5" for slots 0 to 4.
QString profileNameKey(int slot);

// Everything but the slot names.
void writeSettings(SettingsWriter& s, const ProfileSet& set);
void readSettings(const IniReader& s, ProfileSet& set);
void writeNames(SettingsWriter& s, const ProfileSet& set);

} // namespace ProfileSetKeys
