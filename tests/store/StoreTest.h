// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>

// The file store on its own: writes behind, in order, only when the text
// changes, and failures kept and told.
class StoreTest : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void writesBehindAreCoalescedAndReadAtOnce();
    void aLaterSettingTakesTheWaitingOnesPlace();
    void stepsReachTheDiskInTheirOrder();
    void unchangedTextIsNotWritten();
    void failedWritesStayQueuedAndAreToldOnce();
    void aHeldLockKeepsTheOtherWriterOut();
    void readsFollowWhatOthersWrite();
};
