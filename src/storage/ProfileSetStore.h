// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "storage/AppConfig.h"
#include "storage/AppPaths.h"
#include "storage/ProductDescription.h"
#include "storage/ProfileFiles.h"
#include "storage/StorageResult.h"

#include <QString>
#include <QStringList>

struct ProfileSet;

// The working set on disk: its keys in Config.ini and one profile file per
// slot, in the profile folder of the current model.
class ProfileSetStore
{
public:
    ProfileSetStore(const AppPaths& paths, const QString& modelName);

    // Start-up and after a device change: the Config keys, then each slot
    // from the file of its name (a missing file, or one that cannot be read,
    // gives a default-loaded record). Returns the slot files that are there
    // but could not be read (see ProfileFiles::unreadableFile): a set with
    // such a slot is not what the user stored and must not be sent.
    QStringList loadSet(ProfileSet& set) const;
    // "Profile file ... cannot be read", one line per file.
    static QString unreadableMessage(const QStringList& files);
    // After a transfer: the Config keys with all five slot names, and every
    // slot saved under its own name. Slots that cannot be saved are reported
    // together; the others are saved all the same.
    StorageResult saveSet(const ProfileSet& set);
    // A slot whose profile has no file yet (a fresh install, say) gets the
    // model's factory profile, written to its file: never an all-zero
    // profile, which would leave the mouse without a left click.
    StorageResult createMissingProfiles(ProfileSet& set);
    // Makes the slot current; with a name, reloads the slot from that
    // profile's file (the name becomes the slot's). Writes Config/ProfileID.
    StorageResult selectProfile(ProfileSet& set, int index, const QString& reloadName = QString());
    // A freshly reset profile, replacing the default profile file.
    StorageResult writeDefaultProfile();

    const ProfileFiles& files() const { return m_files; }
    ProfileFiles& files() { return m_files; }

private:
    AppConfig m_config;
    ProductDescription m_product;
    ProfileFiles m_files;
};
