// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "storage/AppPaths.h"
#include "storage/StorageResult.h"

#include <QString>

struct ProfileData;

// The profile files of one model: "<name>.prof" in the model's profile
// folder, the default profile among them. Every profile path is built here,
// from the one profile folder, and only from a safe name: a name that is
// empty or could reach outside the folder is refused on writes; an unsafe
// name reads as an all-default profile.
class ProfileFiles
{
public:
    ProfileFiles(const AppPaths& paths, const QString& modelName);

    QString profileDir() const { return m_profileDir; }
    // Empty when the name is not a safe file name.
    QString profilePath(const QString& name) const;
    QString defaultProfilePath() const;
    bool exists(const QString& name) const;
    // Earlier installs kept every model's profiles in one folder beside the
    // configuration: the file of that name there, when the model's own folder
    // has none and that one exists; empty otherwise.
    QString earlierInstallFile(const QString& name) const;

    // Section "PROFILE" of any file: every field, the light-off and sleep-time
    // keys included. A missing file or key reads as 0, empty text or an
    // invalid colour, except LedMoveOFF 255 and LedSleepTime 1.
    static StorageResult saveProfile(const ProfileData& profile, const QString& path);
    // Fails, naming the file and why, when the file is there but cannot be
    // read (see loadNamedProfile); the record then holds the defaults.
    static StorageResult readProfile(ProfileData& profile, const QString& path);
    static void loadProfile(ProfileData& profile, const QString& path);

    StorageResult saveNamedProfile(const ProfileData& profile, const QString& name);
    // The profile as the whole of the file's text (the default profile).
    StorageResult replaceProfileFile(const ProfileData& profile, const QString& path);
    // Loads the named profile. Returns the file behind the name when it is
    // there but cannot be read (not a regular file, a link, no read
    // permission, beyond the file limits) or when no file can have the name
    // (an unsafe name): the record then holds defaults. Empty when the name
    // loads as it should, a missing file included.
    QString loadNamedProfile(ProfileData& profile, const QString& name) const;
    // What loadNamedProfile() would return.
    QString unreadableFile(const QString& name) const;
    // Stores the active DPI stage the mouse reported into the named profile.
    StorageResult writeStoredDpi(const QString& name, quint8 dpi);

    // "MouseName/Name": which model a file that left the program belongs to.
    static StorageResult writeProductMarker(const QString& productName, const QString& path);
    static QString readProductMarker(const QString& path);

    // Writes the product marker into the named profile's file, then copies it
    // to the target. An existing target is replaced when the user said so
    // (replace), else left as it was and reported.
    StorageResult exportProfile(const QString& name, const QString& productName, const QString& target,
                                bool replace = false);
    // Copies a profile file of this model into the profile folder under its
    // own base name, which it returns through importedName.
    StorageResult importProfile(const QString& source, const QString& productName, QString* importedName);
    // Copies a stored profile (or the default profile) to a new name.
    StorageResult copyProfile(const QString& sourcePath, const QString& newName);
    StorageResult renameProfile(const QString& oldName, const QString& newName);
    StorageResult removeProfile(const QString& name);

    static QString existsMessage();
    static QString wrongModelMessage();

private:
    StorageResult checkedPath(const QString& name, QString* path) const;
    // Through the configuration's file store: what the program wrote and
    // has not flushed yet is what it reads.
    StorageResult writeProfileFile(const ProfileData& profile, const QString& path, bool replace);
    // The reason the file could not be read, or empty.
    QString readProfileFile(ProfileData& profile, const QString& path) const;

    AppPaths m_paths;
    QString m_profileDir;
    QString m_earlierDir;
};
