// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>

// The on-screen display: its record, the client that reaches the companion
// without blocking, and the companion itself.
class OsdTest : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void recordBytes();
    void missingCompanionIsStartedFiveTimesWithoutBlocking();
    void startedCompanionShowsTheLatestText();
};
