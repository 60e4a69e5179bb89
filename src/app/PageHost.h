// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "editors/PageFactory.h"

#include <QObject>
#include <QVector>

#include <array>

class PageEnvironment;
class ProfileWorkspace;
class QWidget;
struct ProfileData;
struct ProfileSet;

// The window's pages: created once, a tab's pages when that tab is first
// shown (or when buildNextTab() comes to them), placed by the scale, shown
// by tab, refreshed from the profile workspace in a fixed order. Knows
// pages only through their contract; everything below concerns the pages
// built so far.
class PageHost : public QObject
{
    Q_OBJECT
public:
    PageHost(const PageEnvironment& environment, ProfileWorkspace& workspace, QWidget* window);

    // Places every page at its design geometry times the current scale.
    void place();
    // Builds the pages of the next tab without pages; false when every tab
    // has its pages.
    bool buildNextTab();
    bool isComplete() const;
    // Shows the pages of one tab and hides the others. The lighting tab
    // shows the button tab on a model without lighting.
    void showTab(int tab);
    int shownTab() const { return m_shownTab; }
    // Shows the current record on every page.
    void refresh();
    // Shows the current record again on one page, found by object name.
    void refreshPage(const QString& objectName);
    // What the pages hold goes into the working set ("Apply").
    void collect();
    // The pages drop the edits they hold of their own ("Cancel").
    void discardEdits();
    // Whether a page of the tab holds edits of its own not yet applied.
    bool hasPendingEdits(int tab) const;
    void reinitialise();
    void showActiveStage(int stage);

    const QVector<PagePlacement>& pages() const { return m_pages; }

Q_SIGNALS:
    void pageRequested(int tab);
    void hostEnabled(bool enabled);

private:
    ProfileData& recordFor(const PagePlacement& placement);
    bool ensureTab(int tab);
    void placePage(const PagePlacement& placement);

    const PageEnvironment& m_environment;
    ProfileWorkspace& m_workspace;
    QWidget* m_window;
    QVector<PagePlacement> m_pages;
    std::array<bool, kPageTabs> m_built{};
    int m_shownTab = -1;
};
