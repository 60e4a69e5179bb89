// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>

class CommitBusyDialog;
class DeviceSession;
class PageHost;
class ProfileWorkspace;
struct ApplyOutcome;
struct ModelDescription;

// "OK" and "Apply": collects what the pages hold into the working set,
// saves and sends it through the device session, and makes what was sent
// the saved state when the session reports back. While it runs, a modal busy
// dialog with a progress bar covers the window that hosts the pages.
class CommitController : public QObject
{
    Q_OBJECT
public:
    CommitController(ProfileWorkspace& workspace, DeviceSession& session, PageHost& pages,
                     const ModelDescription& model, QObject* parent = nullptr);
    ~CommitController() override;

    // Apply: collects the pages' values first. False when an apply is
    // already running or the set may not be sent (see refused()).
    bool apply();
    // Saves and sends the working set as it stands (reset, import, load).
    bool commit();
    // "Cancel": every edit not applied yet is dropped, the pages' own too.
    void discard();
    bool isBusy() const { return m_waiting; }

Q_SIGNALS:
    // A commit began; progress() follows after each transfer.
    void started();
    void progress(int done, int total);
    // The commit is over: comes before committed(), so that the busy dialog
    // is gone when the result is shown.
    void finished();
    void committed(const ApplyOutcome& outcome);
    // The set was not sent, and why (a slot whose file cannot be read).
    void refused(const QString& message);

private:
    void releaseMissingMacros();
    void forwardProgress(int done, int total);
    void finish(const ApplyOutcome& outcome);

    ProfileWorkspace& m_workspace;
    DeviceSession& m_session;
    PageHost& m_pages;
    const ModelDescription& m_model;
    CommitBusyDialog* m_busy = nullptr;
    bool m_waiting = false;
};
