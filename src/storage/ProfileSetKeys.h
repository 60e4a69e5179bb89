#pragma once

#include <QString>

class QSettings;
struct ProfileSet;

// The keys of section "Config" that carry a profile set: the current
// profile, the eight shared sensor bytes, the count and the five slot names.
// The configuration file and exported configurations share them.
namespace ProfileSetKeys {

QString configKey(const char* name);
// "Config/Profile1" to "Config/Profile5" for slots 0 to 4.
QString profileNameKey(int slot);

// Everything but the slot names.
void writeSettings(QSettings& s, const ProfileSet& set);
void readSettings(const QSettings& s, ProfileSet& set);
void writeNames(QSettings& s, const ProfileSet& set);

} // namespace ProfileSetKeys
