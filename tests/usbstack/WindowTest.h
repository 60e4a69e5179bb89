// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>

// The main window on the hidapi backend and the libudev notifier, while the
// gadgets come and go: the disconnect warning, the re-open, the poll, the
// cable beside the receiver, an unplug during Apply.
class WindowTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void followsUnplugAndReplug();
    void cableBesideTheReceiverGivesTheCableMode();
    void unplugDuringApplyEndsWithTheFailure();
};
