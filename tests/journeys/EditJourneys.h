// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>

// Edits on the pages as a user makes them: they stay through the status
// poll until Apply sends them or Cancel drops them, and the window marks
// what is not applied yet.
class EditJourneys : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void stageAndRateChosenOnThePageOutlastThePollAndReachTheMouse();
    void mouseChangesFollowOnlyWhereNothingIsPending();
    void cancelDropsSharedSensorEdits();
    void unappliedChangesAreMarkedAndQuittingAsks();
    void aReplugKeepsEditsUnlessTheFilesChanged();
};
