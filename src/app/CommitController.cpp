#include "app/CommitController.h"

#include "app/PageHost.h"
#include "device/DeviceSession.h"
#include "storage/ProfileWorkspace.h"

CommitController::CommitController(ProfileWorkspace& workspace, DeviceSession& session, PageHost& pages,
                                   const ModelDescription& model, QObject* parent)
    : QObject(parent), m_workspace(workspace), m_session(session), m_pages(pages), m_model(model)
{
    connect(&m_session, &DeviceSession::applyFinished, this, &CommitController::finish);
}

bool CommitController::apply()
{
    if (m_session.isApplying())
        return false;
    m_pages.collect();
    return commit();
}

bool CommitController::commit()
{
    ApplyJob job;
    job.paths = m_workspace.paths();
    job.modelName = m_workspace.modelName();
    job.working = m_workspace.working();
    job.previous = m_workspace.saved();
    job.model = m_model;
    m_waiting = m_session.apply(job);
    return m_waiting;
}

void CommitController::finish(const ApplyOutcome& outcome)
{
    if (!m_waiting)
        return;
    m_waiting = false;
    m_workspace.markSaved(outcome.sent);
    Q_EMIT committed(outcome);
}
