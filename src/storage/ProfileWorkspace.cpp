// SPDX-License-Identifier: GPL-3.0-or-later
#include "storage/ProfileWorkspace.h"

#include "storage/FileStore.h"
#include "storage/ProductDescription.h"
#include "storage/ProfileDefaults.h"
#include "storage/ProfileFiles.h"
#include "storage/ProfileSetStore.h"

ProfileWorkspace::ProfileWorkspace(const AppPaths& paths, QObject* parent) : QObject(parent), m_paths(paths)
{
}

QString ProfileWorkspace::slotName(int slot) const
{
    return slot >= 0 && slot < ProfileSet::kProfiles ? m_working.profileNames[slot] : QString();
}

int ProfileWorkspace::slotHolding(const QString& name, int except) const
{
    for (int slot = 0; slot < ProfileSet::kProfiles; ++slot) {
        if (slot != except && m_working.profileNames[slot] == name)
            return slot;
    }
    return -1;
}

StorageResult ProfileWorkspace::load()
{
    m_working = ProfileSet();
    ProfileSetStore store(m_paths, m_modelName);
    const QStringList unreadable = store.loadSet(m_working);
    m_unreadable = unreadable;
    StorageResult result = store.createMissingProfiles(m_working);
    if (!unreadable.isEmpty())
        result += StorageResult::failure(ProfileSetStore::unreadableMessage(unreadable));
    m_saved = m_working;
    announce();
    return result;
}

bool ProfileWorkspace::storedFilesChanged() const
{
    if (!m_unreadable.isEmpty())
        return true;
    FileStore& store = m_paths.store();
    if (store.changedElsewhere(m_paths.configFile()))
        return true;
    const ProfileFiles files(m_paths, m_modelName);
    for (const QString& name : m_saved.profileNames) {
        const QString path = files.profilePath(name);
        if (!path.isEmpty() && store.changedElsewhere(path))
            return true;
    }
    return false;
}

StorageResult ProfileWorkspace::select(int slot, bool reload)
{
    const QString name = reload ? slotName(slot) : QString();
    const StorageResult result = ProfileSetStore(m_paths, m_modelName).selectProfile(m_working, slot, name);
    announce();
    return result;
}

void ProfileWorkspace::loadIntoCurrent(const QString& profileName)
{
    const int slot = currentSlot();
    m_working.profileNames[slot] = profileName;
    ProfileFiles(m_paths, m_modelName).loadNamedProfile(m_working.profiles[slot], profileName);
    m_working.profiles[slot].ProfileName = profileName;
    recheckUnreadable();
    announce();
}

void ProfileWorkspace::resetCurrent()
{
    const QString name = slotName(currentSlot());
    ProfileDefaults::resetProfile(current(), ProductDescription(m_paths.productDescriptionFile()));
    current().ProfileName = name;
    // The user chose factory values for this slot: they may replace a file
    // that could not be read.
    m_unreadable.removeAll(ProfileFiles(m_paths, m_modelName).unreadableFile(name));
    announce();
}

void ProfileWorkspace::resetAll()
{
    ProfileDefaults::resetAll(m_working, ProductDescription(m_paths.productDescriptionFile()));
    for (int slot = 0; slot < ProfileSet::kProfiles; ++slot)
        m_working.profiles[slot].ProfileName = m_working.profileNames[slot];
    // Every slot now holds what the user asked for: defaults, to be saved.
    m_unreadable.clear();
    announce();
}

void ProfileWorkspace::noteReplaced()
{
    recheckUnreadable();
    announce();
}

// A slot that now holds another profile no longer stands for a file that
// could not be read; one that was just loaded from such a file does.
void ProfileWorkspace::recheckUnreadable()
{
    const ProfileFiles files(m_paths, m_modelName);
    m_unreadable.clear();
    for (int slot = 0; slot < ProfileSet::kProfiles; ++slot) {
        const QString file = files.unreadableFile(m_working.profileNames[slot]);
        if (!file.isEmpty())
            m_unreadable.append(file);
    }
}

void ProfileWorkspace::renameCurrent(const QString& newName)
{
    const QString oldName = slotName(currentSlot());
    for (ProfileSet* set : {&m_working, &m_saved}) {
        for (int slot = 0; slot < ProfileSet::kProfiles; ++slot) {
            if (set->profileNames[slot] != oldName)
                continue;
            set->profileNames[slot] = newName;
            set->profiles[slot].ProfileName = newName;
        }
    }
    noteEdited();
}

void ProfileWorkspace::nameCurrent(const QString& name)
{
    m_working.profileNames[currentSlot()] = name;
    current().ProfileName = name;
    noteEdited();
}

// The saved profile of a slot is gone when its name names no file: the
// library deleted it while the slot held another.
bool ProfileWorkspace::savedProfileGone(int slot) const
{
    return !ProfileFiles(m_paths, m_modelName).exists(m_saved.profileNames[slot]);
}

void ProfileWorkspace::discardEdits()
{
    ProfileSet restored = m_saved;
    for (int slot = 0; slot < ProfileSet::kProfiles; ++slot) {
        if (!savedProfileGone(slot))
            continue;
        restored.profileNames[slot] = m_working.profileNames[slot];
        ProfileFiles(m_paths, m_modelName)
            .loadNamedProfile(restored.profiles[slot], restored.profileNames[slot]);
        restored.profiles[slot].ProfileName = restored.profileNames[slot];
    }
    restored.ProfileID = m_working.ProfileID;
    m_working = restored;
    recheckUnreadable();
    announce();
}

ProfileSet ProfileWorkspace::storedAssignment(const QString& deleting) const
{
    ProfileSet assignment = m_saved;
    assignment.ProfileID = m_working.ProfileID;
    for (int slot = 0; slot < ProfileSet::kProfiles; ++slot) {
        const bool deleted = !deleting.isEmpty() && m_saved.profileNames[slot] == deleting;
        if (deleted || savedProfileGone(slot))
            assignment.profileNames[slot] = m_working.profileNames[slot];
    }
    return assignment;
}

void ProfileWorkspace::noteEdited()
{
    Q_EMIT changed();
}

void ProfileWorkspace::markSaved(const ProfileSet& sent)
{
    m_saved = sent;
    noteEdited();
}

void ProfileWorkspace::announce()
{
    Q_EMIT currentChanged(currentSlot());
    noteEdited();
}
