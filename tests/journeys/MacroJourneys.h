// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>

// Macros recorded, edited, bound and deleted through the window: what the
// editor shows is what the mouse receives, and no button is left bound to a
// macro that is gone.
class MacroJourneys : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void editsOutlastASwitchOfMacroAndApplySendsWhatTheEditorShows();
    void deletingABoundMacroAsksAndReleasesItsButtons();
};
