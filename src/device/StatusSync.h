// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "storage/StorageResult.h"

#include <optional>

class ProfileWorkspace;

// One status report of the mouse: the slot it runs, that profile's active
// DPI stage and its report-rate code.
struct MouseStatus
{
    int slot = 0;
    int stage = 0;
    int rate = 0;
};

// What a report changed. The on-screen display tells of the first three;
// the pages show again what the last two name.
struct StatusChange
{
    bool slotChanged = false;  // the mouse runs another slot, now the current one
    bool stageChanged = false; // the mouse's active stage is not the one it had
    bool rateChanged = false;
    bool stageShown = false; // the working record took the new stage
    bool rateShown = false;  // the working record took the new rate
    // The stored pointer speed of the slot the mouse now runs, for the
    // desktop (which takes only speeds of its own range).
    std::optional<int> pointerSpeed;
    StorageResult written = StorageResult::success();
};

// Keeps the profile workspace in step with the mouse. What the mouse holds
// is the saved state, so a report always updates that, and the stored
// active stage and current slot with it. The working record follows only
// where the user has no edit of its own pending: a stage chosen on the DPI
// page, or a profile chosen from the library, stays until Apply or Cancel.
class StatusSync
{
public:
    explicit StatusSync(ProfileWorkspace& workspace);

    // A report from the status poll; one that names no slot changes nothing.
    StatusChange take(const MouseStatus& status);
    // The mouse now runs `slot` (the poll said so, or a switch was sent): it
    // becomes the current and the stored slot, and its pointer speed is due.
    StatusChange takeSlot(int slot);

private:
    ProfileWorkspace& m_workspace;
};
