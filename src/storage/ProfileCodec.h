// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "storage/IniReader.h"
#include "storage/ProfileData.h"

#include <QString>

class SettingsWriter;

// Writes and reads every field of a profile as the keys of one INI section
// ("PROFILE" in a profile file, "PROFILE_<slot>" in a configuration file).
class ProfileCodec
{
public:
    // Configuration files carry no light-off and sleep-time keys; reading
    // such a section keeps the record's values of the two.
    enum class LightKeys
    {
        Included,
        Excluded
    };

    static void write(SettingsWriter& settings, const QString& section, const ProfileData& profile,
                      LightKeys keys);
    static void read(const IniReader& settings, const QString& section, ProfileData& profile, LightKeys keys);
};
