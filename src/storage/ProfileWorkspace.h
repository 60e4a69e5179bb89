// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "storage/AppPaths.h"
#include "storage/ProfileSet.h"
#include "storage/StorageResult.h"

#include <QObject>
#include <QString>

// The profiles the user edits: the working set (five slots, the shared
// sensor bytes and the slot names), the state last saved or sent, and which
// slot is current. Pages edit the current record in place and say so with
// noteEdited(); profile operations and the device session go through here,
// never through the window.
class ProfileWorkspace : public QObject
{
    Q_OBJECT
public:
    explicit ProfileWorkspace(const AppPaths& paths, QObject* parent = nullptr);

    const AppPaths& paths() const { return m_paths; }
    // The model whose profile folder the slots load from and save to.
    QString modelName() const { return m_modelName; }
    void setModelName(const QString& name) { m_modelName = name; }

    ProfileSet& working() { return m_working; }
    const ProfileSet& working() const { return m_working; }
    const ProfileSet& saved() const { return m_saved; }

    int currentSlot() const { return m_working.ProfileID; }
    ProfileData& current() { return m_working.current(); }
    QString slotName(int slot) const;
    // The slot other than `except` that holds the named profile, or -1.
    int slotHolding(const QString& name, int except = -1) const;

    // Loads every slot from disk (a slot without a file gets the factory
    // profile, written); the saved state becomes the same. The result names
    // the files that could not be read or written.
    StorageResult load();
    // Whether load() would read anything else now: another process changed
    // the configuration or a slot's profile since this program last read or
    // wrote them, or a slot's file could not be read.
    bool storedFilesChanged() const;
    // Makes slot current; with reload, reads its record again from the file
    // of the profile named for it. Writes the choice to the configuration.
    StorageResult select(int slot, bool reload);
    // Replaces the current slot's record by the named profile's file and
    // names the slot after it.
    void loadIntoCurrent(const QString& profileName);
    // Renames the profile held by the current slot (record and slot name),
    // in the saved state too: the file has the new name from now on.
    void renameCurrent(const QString& newName);
    // The current slot holds the profile of that name from now on, with the
    // values it shows (a copy of the profile, say).
    void nameCurrent(const QString& name);
    // Drops every edit not yet applied: each slot and the shared values as
    // they were last saved or sent. A slot whose saved profile has no file
    // any more (deleted from the library) keeps the profile it holds now.
    void discardEdits();
    // The slot names to keep in the configuration until the next apply: the
    // profiles the mouse holds, or for a slot whose profile was deleted (or
    // is being deleted: `deleting`), the one that took its place.
    ProfileSet storedAssignment(const QString& deleting = QString()) const;
    // The model's factory profile in the current slot, under its name.
    void resetCurrent();
    // Factory values everywhere; the slots become "Profile 1" to "Profile 5".
    void resetAll();
    // The working set was replaced as a whole (a configuration file loaded).
    void noteReplaced();

    // A page or operation changed the working set.
    void noteEdited();
    // The working set reached the disk and the mouse as `sent`.
    void markSaved(const ProfileSet& sent);
    bool hasUnsavedChanges() const { return m_working != m_saved; }
    // The slot files that exist but could not be read at the last load:
    // their slots hold defaults, and must not be sent or saved over.
    QStringList unreadableFiles() const { return m_unreadable; }

Q_SIGNALS:
    // The current slot or its record was replaced: pages show it again.
    void currentChanged(int slot);
    // The working or the saved state changed: what differs may have too.
    void changed();

private:
    void announce();
    void recheckUnreadable();
    bool savedProfileGone(int slot) const;

    AppPaths m_paths;
    QString m_modelName;
    ProfileSet m_working;
    ProfileSet m_saved;
    QStringList m_unreadable;
};
