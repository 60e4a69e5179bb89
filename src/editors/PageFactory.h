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
    int tab = 0;          // shown with tab 0 (lighting), 1 (buttons), 2 (DPI) or 3 (macros)
    QRect designGeometry; // in design pixels: multiply by the scale factor
    Record record = Record::CurrentSlot;
};

// The tabs that have pages: 0 to kPageTabs - 1.
constexpr int kPageTabs = 4;

// Creates the pages of one tab as children of parent, in the order the
// window refreshes them; a page created later lies over one created before.
QVector<PagePlacement> createTabPages(const PageEnvironment& environment, QWidget* parent, int tab);
