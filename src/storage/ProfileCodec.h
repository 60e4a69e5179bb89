#pragma once

#include "storage/ProfileData.h"

#include <QSettings>
#include <QString>

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

    static void write(QSettings& settings, const QString& section, const ProfileData& profile,
                      LightKeys keys);
    static void read(const QSettings& settings, const QString& section, ProfileData& profile, LightKeys keys);
};
