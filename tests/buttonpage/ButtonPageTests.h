// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>

// The rules behind the button page and the key dialogs, in the core.
class TestKeyRules : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void evdevTable();
    void menusInOrder();
    void leftClickGuard();
    void labels();
    void comboSlotsAndSteps();
    void fireKeyRecord();
    void sniperLevels();
};

// The four dialogs, fed by a fake capture and by the Linux capture.
class TestKeyDialogs : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void singleKeyNormalises();
    void comboTextInSlotOrder();
    void fireKeyFields();
    void sniperPresetCorrected();
    void frenchLabels();
    void noKeyClosesADialog();
    void linuxCaptureThroughTheDialog();
};

// The page in the real window on the virtual mouse.
class TestButtonPage : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void menusFollowTheModel();
    void guardAndPlainEntries();
    void labelsAndViews();
    void macroBinding();
    void dialogsWriteTheRecord();
    void appliedToTheMouse();
};
