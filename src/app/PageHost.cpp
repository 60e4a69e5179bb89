// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/PageHost.h"

#include "editors/EditorPage.h"
#include "editors/PageEnvironment.h"
#include "protocol/LightingEffects.h"
#include "storage/ProfileWorkspace.h"

#include <algorithm>

PageHost::PageHost(const PageEnvironment& environment, ProfileWorkspace& workspace, QWidget* window)
    : QObject(window), m_environment(environment), m_workspace(workspace), m_window(window)
{
}

// A tab's pages come into being when the tab is first shown, or when
// buildNextTab() reaches it: a start builds only what it shows.
bool PageHost::ensureTab(int tab)
{
    if (tab < 0 || tab >= kPageTabs || m_built[size_t(tab)])
        return false;
    m_built[size_t(tab)] = true;
    const QVector<PagePlacement> created = createTabPages(m_environment, m_window, tab);
    for (const PagePlacement& placement : created) {
        EditorPage* page = placement.page;
        connect(page, &EditorPage::edited, &m_workspace, &ProfileWorkspace::noteEdited);
        connect(page, &EditorPage::pageRequested, this, &PageHost::pageRequested);
        connect(page, &EditorPage::hostEnabled, this, &PageHost::hostEnabled);
        connect(page, &EditorPage::setChanged, this, [this, page] {
            for (const PagePlacement& other : std::as_const(m_pages))
                if (other.page != page)
                    other.page->refresh(recordFor(other), m_workspace.working());
        });
        placePage(placement);
        page->refresh(recordFor(placement), m_workspace.working());
        page->setVisible(tab == m_shownTab);
        m_pages.append(placement);
    }
    return true;
}

bool PageHost::buildNextTab()
{
    for (int tab = 0; tab < kPageTabs; ++tab)
        if (ensureTab(tab))
            return true;
    return false;
}

bool PageHost::isComplete() const
{
    return std::all_of(m_built.begin(), m_built.end(), [](bool built) { return built; });
}

void PageHost::placePage(const PagePlacement& placement)
{
    const QRect& r = placement.designGeometry;
    placement.page->setGeometry(m_environment.scaled(r.x()), m_environment.scaled(r.y()),
                                m_environment.scaled(r.width()), m_environment.scaled(r.height()));
    placement.page->rescale();
}

void PageHost::place()
{
    for (const PagePlacement& placement : std::as_const(m_pages))
        placePage(placement);
}

void PageHost::showTab(int tab)
{
    if (tab < 0 || tab > 3)
        return;
    if (tab == 0 && m_environment.model().lightingDisabled)
        tab = 1;
    m_shownTab = tab;
    ensureTab(tab);
    for (const PagePlacement& placement : m_pages)
        placement.page->setVisible(placement.tab == tab);
}

ProfileData& PageHost::recordFor(const PagePlacement& placement)
{
    ProfileSet& set = m_workspace.working();
    // The model whose lighting is one for all of its profiles: its lighting
    // page always shows the first profile's.
    if (placement.record == PagePlacement::Record::LightingSlot &&
        LightingEffects::sharesLightingAcrossProfiles(m_environment.model().modelName))
        return set.profiles[0];
    return m_workspace.current();
}

void PageHost::refresh()
{
    for (const PagePlacement& placement : m_pages)
        placement.page->refresh(recordFor(placement), m_workspace.working());
}

void PageHost::refreshPage(const QString& objectName)
{
    for (const PagePlacement& placement : m_pages)
        if (placement.page->objectName() == objectName)
            placement.page->refresh(recordFor(placement), m_workspace.working());
}

void PageHost::collect()
{
    for (const PagePlacement& placement : m_pages)
        placement.page->collect(m_workspace.working());
    m_workspace.noteEdited();
}

void PageHost::discardEdits()
{
    for (const PagePlacement& placement : m_pages)
        placement.page->discardEdits();
}

bool PageHost::hasPendingEdits(int tab) const
{
    for (const PagePlacement& placement : m_pages)
        if (placement.tab == tab && placement.page->hasPendingEdits())
            return true;
    return false;
}

void PageHost::reinitialise()
{
    for (const PagePlacement& placement : m_pages)
        placement.page->reinitialise();
}

void PageHost::showActiveStage(int stage)
{
    for (const PagePlacement& placement : m_pages)
        placement.page->showActiveStage(stage);
}
