#pragma once

#include <QObject>

class DeviceSession;
class PageHost;
class ProfileWorkspace;
struct ApplyOutcome;
struct ModelDescription;

// "OK" and "Apply": collects what the pages hold into the working set,
// saves and sends it through the device session, and makes what was sent
// the saved state when the session reports back.
class CommitController : public QObject
{
    Q_OBJECT
public:
    CommitController(ProfileWorkspace& workspace, DeviceSession& session, PageHost& pages,
                     const ModelDescription& model, QObject* parent = nullptr);

    // Apply: collects the pages' values first. False when an apply is
    // already running.
    bool apply();
    // Saves and sends the working set as it stands (OK, reset, import, load).
    bool commit();

Q_SIGNALS:
    void committed(const ApplyOutcome& outcome);

private:
    void finish(const ApplyOutcome& outcome);

    ProfileWorkspace& m_workspace;
    DeviceSession& m_session;
    PageHost& m_pages;
    const ModelDescription& m_model;
    bool m_waiting = false;
};
