// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QRect>
#include <QString>
#include <QVector>

class EditorPage;
class PageEnvironment;
class QWidget;

// Where a page lives in the window and which record it shows.
struct PagePlacement
{
    // Which record a page shows: the current slot's, or (lighting) the first
    // slot's on the model whose lighting is shared by all its profiles.
    enum class Record
    {
        CurrentSlot,
        LightingSlot
    };

    EditorPage* page = nullptr;
    int tab = 0;         // shown with tab 0 (lighting), 1 (buttons), 2 (DPI) or 3 (macros)
    QRect designGeometry; // in design pixels: multiply by the scale factor
    Record record = Record::CurrentSlot;
};

// Creates every page as a child of parent, in the order the window
// refreshes them.
QVector<PagePlacement> createPages(const PageEnvironment& environment, QWidget* parent);
