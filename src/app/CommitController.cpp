// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/CommitController.h"

#include "app/CommitBusyDialog.h"
#include "app/PageHost.h"
#include "device/DeviceSession.h"
#include "storage/MacroBindings.h"
#include "storage/MacroFiles.h"
#include "storage/ProductDescription.h"
#include "storage/ProfileDefaults.h"
#include "storage/ProfileSetStore.h"
#include "storage/ProfileWorkspace.h"

#include <QDebug>
#include <QWidget>

CommitController::CommitController(ProfileWorkspace& workspace, DeviceSession& session, PageHost& pages,
                                   const ModelDescription& model, QObject* parent)
    : QObject(parent), m_workspace(workspace), m_session(session), m_pages(pages), m_model(model)
{
    connect(&m_session, &DeviceSession::applyProgress, this, &CommitController::forwardProgress);
    connect(&m_session, &DeviceSession::applyFinished, this, &CommitController::finish);
    // The pages live in the window the busy dialog covers.
    if (auto* window = qobject_cast<QWidget*>(m_pages.parent()))
        m_busy =
            new CommitBusyDialog(*this, window, m_workspace.paths().skinFile(QStringLiteral("process.png")));
}

CommitController::~CommitController() = default;

bool CommitController::apply()
{
    if (m_session.isApplying())
        return false;
    m_pages.collect();
    return commit();
}

bool CommitController::commit()
{
    if (m_session.isApplying())
        return false;
    // A slot whose file could not be read holds defaults, not the user's
    // profile: sending or saving it would lose what the file holds.
    if (!m_workspace.unreadableFiles().isEmpty()) {
        const QString message = ProfileSetStore::unreadableMessage(m_workspace.unreadableFiles());
        qWarning().noquote() << message;
        Q_EMIT refused(message);
        return false;
    }
    releaseMissingMacros();
    ApplyJob job;
    job.paths = m_workspace.paths();
    job.modelName = m_workspace.modelName();
    job.working = m_workspace.working();
    job.previous = m_workspace.saved();
    job.model = m_model;
    m_waiting = m_session.apply(job);
    if (m_waiting)
        Q_EMIT started();
    return m_waiting;
}

void CommitController::discard()
{
    m_pages.discardEdits();
    m_workspace.discardEdits();
}

// A button bound to a macro that is gone (deleted while the edit that
// released its buttons was cancelled, say) would play an empty macro: it
// gets its factory function, as the delete said it would.
void CommitController::releaseMissingMacros()
{
    ProfileData factory;
    ProfileDefaults::resetProfile(factory, ProductDescription(m_workspace.paths().productDescriptionFile()));
    const MacroFiles macros(m_workspace.paths());
    const auto exists = [&macros](const QString& name) { return macros.exists(name); };
    const int released = MacroBindings::releaseMissing(m_workspace.working(), exists, factory);
    if (released == 0)
        return;
    qWarning("%d buttons were bound to macros without a file: they get their factory function", released);
    m_workspace.noteReplaced();
}

void CommitController::forwardProgress(int done, int total)
{
    if (m_waiting)
        Q_EMIT progress(done, total);
}

void CommitController::finish(const ApplyOutcome& outcome)
{
    if (!m_waiting)
        return;
    m_waiting = false;
    m_workspace.markSaved(outcome.sent);
    Q_EMIT finished();
    Q_EMIT committed(outcome);
}
