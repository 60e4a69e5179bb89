#include "storage/ProfileWorkspace.h"

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

void ProfileWorkspace::load()
{
    m_working = ProfileSet();
    ProfileSetStore(m_paths, m_modelName).loadSet(m_working);
    m_saved = m_working;
    announce();
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
    announce();
}

void ProfileWorkspace::renameCurrent(const QString& newName)
{
    m_working.profileNames[currentSlot()] = newName;
    current().ProfileName = newName;
    noteEdited();
}

void ProfileWorkspace::noteEdited()
{
    const bool unsaved = hasUnsavedChanges();
    if (unsaved != m_lastUnsaved) {
        m_lastUnsaved = unsaved;
        Q_EMIT unsavedChangesChanged(unsaved);
    }
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
