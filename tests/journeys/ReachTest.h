// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>

// Every control of every tab can be reached by the pointer: no page's
// rectangle lies over another page's controls.
class ReachTest : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void everyControlOfEveryTabIsReachedByThePointer();
};
