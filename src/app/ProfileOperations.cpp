#include "app/ProfileOperations.h"

#include "app/CommitController.h"
#include "storage/ProfileWorkspace.h"

ProfileOperations::ProfileOperations(ProfileWorkspace& workspace, CommitController& commit,
                                     const ModelDescription& model, UserPrompts& prompts, QObject* parent)
    : QObject(parent), m_workspace(workspace), m_commit(commit), m_model(model), m_prompts(prompts)
{
}

void ProfileOperations::reloadLibrary() {}
void ProfileOperations::add() {}
void ProfileOperations::remove() {}
void ProfileOperations::copy() {}
void ProfileOperations::rename(const QString&) {}
void ProfileOperations::choose(const QString&) {}
void ProfileOperations::reset() {}
void ProfileOperations::resetAll() {}
void ProfileOperations::importProfile() {}
void ProfileOperations::exportProfile() {}
void ProfileOperations::saveConfiguration() {}
void ProfileOperations::loadConfiguration() {}

void ProfileOperations::ok()
{
    m_commit.commit();
    Q_EMIT hideRequested();
}

void ProfileOperations::apply()
{
    m_commit.apply();
}

void ProfileOperations::cancel()
{
    Q_EMIT hideRequested();
    (void)m_workspace.select(m_workspace.currentSlot(), true);
}
