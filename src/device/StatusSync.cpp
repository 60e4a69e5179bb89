// SPDX-License-Identifier: GPL-3.0-or-later
#include "device/StatusSync.h"

#include "storage/ModelDescription.h"
#include "storage/ProfileFiles.h"
#include "storage/ProfileWorkspace.h"

StatusSync::StatusSync(ProfileWorkspace& workspace) : m_workspace(workspace) {}

StatusChange StatusSync::takeSlot(int slot)
{
    StatusChange change;
    if (slot < 0 || slot >= ProfileSet::kProfiles)
        return change;
    change.slotChanged = slot != m_workspace.currentSlot();
    change.written += m_workspace.select(slot, false);
    ProfileSet saved = m_workspace.saved();
    saved.ProfileID = quint8(slot);
    m_workspace.markSaved(saved);
    change.pointerSpeed = m_workspace.current().mousespeed;
    return change;
}

StatusChange StatusSync::take(const MouseStatus& status)
{
    if (status.slot < 0 || status.slot >= ProfileSet::kProfiles)
        return StatusChange();
    StatusChange change;
    if (status.slot != m_workspace.currentSlot())
        change = takeSlot(status.slot);
    // Most reports repeat what the mouse said before: nothing to copy then.
    const ProfileData& known = m_workspace.saved().profiles[status.slot];
    const bool stageValid = status.stage >= 0 && status.stage < ModelDescription::kMaxDpiStages;
    if ((!stageValid || status.stage == known.dpi) && status.rate == known.pollrate)
        return change;
    ProfileSet saved = m_workspace.saved();
    ProfileData& onMouse = saved.profiles[status.slot];
    ProfileData& edited = m_workspace.working().profiles[status.slot];
    // A slot that took another stored profile holds none of the mouse's values.
    const bool sameProfile =
        m_workspace.working().profileNames[status.slot] == saved.profileNames[status.slot];
    if (stageValid && status.stage != onMouse.dpi) {
        change.stageChanged = true;
        change.stageShown = sameProfile && edited.dpi == onMouse.dpi;
        onMouse.dpi = quint8(status.stage);
        if (change.stageShown)
            edited.dpi = onMouse.dpi;
        // The file of the profile on the mouse keeps the stage it runs.
        change.written += ProfileFiles(m_workspace.paths(), m_workspace.modelName())
                              .writeStoredDpi(saved.profileNames[status.slot], onMouse.dpi);
    }
    if (status.rate >= 0 && status.rate <= 0xFF && status.rate != onMouse.pollrate) {
        change.rateChanged = true;
        change.rateShown = sameProfile && edited.pollrate == onMouse.pollrate;
        onMouse.pollrate = quint8(status.rate);
        if (change.rateShown)
            edited.pollrate = onMouse.pollrate;
    }
    if (change.stageChanged || change.rateChanged)
        m_workspace.markSaved(saved);
    return change;
}
