// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>

// The firmware update button's road: cable check, question, updater, exit.
class FirmwareTest : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void receiverOnlyGetsTheCableMessage();
    void updaterForTheLanguage_data();
    void updaterForTheLanguage();
    void updaterThatCannotStartKeepsTheUtility();
};
