// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>

// Commits on the virtual mouse: results, progress, a replug, the same bytes
// as the command-line tool.
class ApplyTest : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void resultMessages_data();
    void resultMessages();
    void unreadableSlotIsNotSent();
    void progressCountsToTotalAndDialogFollows();
    void replugDuringApplyWaitsForTheDownload();
    void windowAndCommandLineSendTheSameBytes();
    void overlappingSavesKeepEachOthersKeys();
};
