// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QString>
#include <QStringList>

class CommitController;
class ProfileFiles;
class ProfileWorkspace;
class StorageResult;
class UserPrompts;
struct ApplyOutcome;
struct ProfileSet;
struct ModelDescription;

// The operations behind the profile controls: the library of stored
// profiles of the current model and what the five slots hold, and the
// commit actions. The window connects its buttons to these slots and shows
// what the signals say; nothing here touches a widget: the user is asked and
// told through UserPrompts.
class ProfileOperations : public QObject
{
    Q_OBJECT
public:
    ProfileOperations(ProfileWorkspace& workspace, CommitController& commit, const ModelDescription& model,
                      UserPrompts& prompts, QObject* parent = nullptr);

    // The stored profiles of the current model, in library order.
    QStringList library() const { return m_library; }
    // "Profile 1" to "Profile 5": never deleted, never renamed.
    static bool isDefaultProfile(const QString& name);
    // What the user is told after a commit, in order (empty on success).
    static QStringList commitMessages(const ApplyOutcome& outcome);

public Q_SLOTS:
    // Reads the library list again (start-up, model change).
    void reloadLibrary();
    void add();
    void remove();
    void copy();
    void rename(const QString& newName);
    void choose(const QString& name);
    void reset();
    void resetAll();
    void importProfile();
    void exportProfile();
    void saveConfiguration();
    void loadConfiguration();
    // "OK" commits and then asks to hide the window; "Apply" collects the
    // pages and commits; "Cancel" drops the edits of the current slot and
    // asks to hide the window.
    void ok();
    void apply();
    void cancel();

Q_SIGNALS:
    // The library list or a slot name changed: rebuild the drop-down menu.
    void libraryChanged(const QStringList& names);
    // The current slot's profile name changed: show it in the name editor.
    void currentNameChanged(const QString& name);
    void hideRequested();
    // A load of a configuration file asks for the lighting tab.
    void tabRequested(int tab);

private:
    ProfileFiles files() const;
    QString currentName() const;
    // Tells the user when a write failed; true when it succeeded.
    bool report(const StorageResult& result);
    bool writeLibrary();
    // Names held by a slot but missing from the library join it.
    void adoptSlotNames();
    QString deleteSuccessor(int deleted) const;
    QString freeCopyName(const QString& source) const;
    // A profile of that name is stored or listed.
    bool isTaken(const QString& name) const;
    void tellSeparated(const ProfileSet& set, const QVector<int>& renamed);
    void takeIntoCurrent(const QString& name);
    bool commitNow(bool collectPages);
    void showCommitResult(const ApplyOutcome& outcome);

    ProfileWorkspace& m_workspace;
    CommitController& m_commit;
    const ModelDescription& m_model;
    UserPrompts& m_prompts;
    QStringList m_library;
    bool m_hideAfterCommit = false;
    bool m_awaitingResult = false;
};
