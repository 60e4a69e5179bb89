// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>

// The stored files in use: the window on a full disk, a crash between any
// two of the writer's steps, the window and the command-line tool side by
// side, and hostile files read in bounded memory.
class ProcessTest : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void fullDiskIsToldOnceAndLosesNothing();
    void anEndAtAnyStepKeepsEveryProfileAndName_data();
    void anEndAtAnyStepKeepsEveryProfileAndName();
    void windowAndCommandLineLoseNothingOfEachOther();
    void hostileProfilesAreRefusedInBoundedMemory();
    void fullDiskFailsTheCommandLine();
};
