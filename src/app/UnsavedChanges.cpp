// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/UnsavedChanges.h"

#include "app/CommitController.h"
#include "app/PageHost.h"
#include "app/ProfileBar.h"
#include "app/ProfileOperations.h"
#include "app/TabBar.h"
#include "device/ApplyJob.h"
#include "editors/UserPrompts.h"
#include "storage/ProfileChanges.h"
#include "storage/ProfileWorkspace.h"

namespace {
constexpr int kLightingTab = 0;
constexpr int kButtonTab = 1;
constexpr int kDpiTab = 2;
constexpr int kMacroTab = 3;
} // namespace

UnsavedChanges::UnsavedChanges(ProfileWorkspace& workspace, PageHost& pages, TabBar& tabs,
                               ProfileBar& slotBar, ProfileOperations& operations, CommitController& commit,
                               UserPrompts& prompts, QObject* parent)
    : QObject(parent), m_workspace(workspace), m_pages(pages), m_tabs(tabs), m_slots(slotBar),
      m_operations(operations), m_commit(commit), m_prompts(prompts)
{
    connect(&m_workspace, &ProfileWorkspace::changed, this, &UnsavedChanges::refresh);
    connect(&m_commit, &CommitController::committed, this, &UnsavedChanges::quitAfterApply);
    refresh();
}

bool UnsavedChanges::any() const
{
    for (int tab = 0; tab < TabBar::kTabs; ++tab)
        if (m_pages.hasPendingEdits(tab))
            return true;
    return m_workspace.hasUnsavedChanges();
}

void UnsavedChanges::refresh()
{
    const ProfileSet& working = m_workspace.working();
    const ProfileSet& saved = m_workspace.saved();
    for (int slot = 0; slot < ProfileSet::kProfiles; ++slot)
        m_slots.markUnsaved(slot, ProfileChanges::slotDiffers(working, saved, slot));
    // The tabs tell of the slot they show.
    const int slot = m_workspace.currentSlot();
    const int areas = ProfileChanges::areas(working.profiles[slot], saved.profiles[slot]);
    m_tabs.markUnsaved(kLightingTab, areas & ProfileChanges::Lighting);
    m_tabs.markUnsaved(kButtonTab, areas & ProfileChanges::Buttons);
    m_tabs.markUnsaved(kDpiTab,
                       (areas & ProfileChanges::Performance) || ProfileChanges::sharedDiffer(working, saved));
    m_tabs.markUnsaved(kMacroTab, m_pages.hasPendingEdits(kMacroTab));
}

void UnsavedChanges::requestQuit()
{
    if (!any()) {
        Q_EMIT quitConfirmed();
        return;
    }
    enum Answer
    {
        Apply,
        Discard,
        Stay
    };
    const int answer = m_prompts.choose(tr("Some changes have not been applied to the mouse yet."),
                                        {tr("Apply and quit"), tr("Quit without applying"), tr("Stay")});
    if (answer == Discard) {
        Q_EMIT quitConfirmed();
    } else if (answer == Apply) {
        m_quitAfterApply = true;
        m_operations.apply();
        // Nothing started (a slot that cannot be read, say): the user was told; stay.
        m_quitAfterApply = m_commit.isBusy();
    }
}

// Only an apply that reached the mouse and the disk ends the program: after
// a failure the user has been told, and the changes are still here.
void UnsavedChanges::quitAfterApply(const ApplyOutcome& outcome)
{
    if (!m_quitAfterApply)
        return;
    m_quitAfterApply = false;
    if (outcome.result == 0 && outcome.saved.isOk())
        Q_EMIT quitConfirmed();
}
