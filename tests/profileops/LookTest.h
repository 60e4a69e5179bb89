// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>

// What the user sees of these features: the busy dialog, each kind of
// message box and the on-screen display, laid out without cut text. With
// MOUSECFG_SHOTS_DIR set, each is also saved there as a PNG.
class LookTest : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void busyDialogShowsProgress_data();
    void busyDialogShowsProgress();
    void messageBoxesFitTheirText_data();
    void messageBoxesFitTheirText();
    void onScreenDisplayFitsItsText();
};
