// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "storage/StorageResult.h"

#include <QString>

struct ProfileData;
struct ProfileSet;

// A whole-configuration exchange file ("*.conf"): the product marker, the
// "Config" keys of the set and the five profiles in sections "PROFILE_0" to
// "PROFILE_4". The sections carry no light-off and sleep-time keys.
class ConfigurationFile
{
public:
    explicit ConfigurationFile(const QString& filePath);

    QString filePath() const { return m_filePath; }

    StorageResult writeProfileSection(int slot, const ProfileData& profile);
    // LedMoveOFF and LedSleepTime keep the values the record had.
    void readProfileSection(int slot, ProfileData& profile) const;

    // Writes the marker, the nine set keys, the five slot names and the five
    // profile sections.
    StorageResult exportConfiguration(const ProfileSet& set, const QString& productName);
    // Reads the nine set keys (missing: 0), the slot names and the five
    // profile sections. A file without a slot's name (as older exports are)
    // keeps that slot's current name rather than leaving it nameless.
    void importConfiguration(ProfileSet& set) const;

private:
    QString m_filePath;
};
