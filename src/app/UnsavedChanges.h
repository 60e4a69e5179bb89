// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>

class CommitController;
class PageHost;
class ProfileBar;
class ProfileOperations;
class ProfileWorkspace;
class TabBar;
class UserPrompts;
struct ApplyOutcome;

// What the user changed and has not applied yet: marks the tabs and slots
// that hold such changes, and asks before a quit would lose them.
class UnsavedChanges : public QObject
{
    Q_OBJECT
public:
    UnsavedChanges(ProfileWorkspace& workspace, PageHost& pages, TabBar& tabs, ProfileBar& slotBar,
                   ProfileOperations& operations, CommitController& commit, UserPrompts& prompts,
                   QObject* parent = nullptr);

    bool any() const;
    // Marks every tab and slot as the profiles stand now.
    void refresh();

public Q_SLOTS:
    // Quits at once without changes; otherwise asks whether to apply them
    // first, drop them or stay.
    void requestQuit();

Q_SIGNALS:
    // The program may end now.
    void quitConfirmed();

private:
    void quitAfterApply(const ApplyOutcome& outcome);

    ProfileWorkspace& m_workspace;
    PageHost& m_pages;
    TabBar& m_tabs;
    ProfileBar& m_slots;
    ProfileOperations& m_operations;
    CommitController& m_commit;
    UserPrompts& m_prompts;
    bool m_quitAfterApply = false;
};
