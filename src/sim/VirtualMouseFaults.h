// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Misbehaviour to inject into the virtual mouse. Each count says how many of
// the next occurrences misbehave; kAlways makes every one misbehave until the
// faults are changed.
struct VirtualMouseFaults
{
    static constexpr int kAlways = -1;

    // Writes fail as on a device that refuses them.
    int failingWrites = 0;
    // Reads wait their whole time-out and return no report.
    int timedOutReads = 0;
    // Replies arrive as 32 zero bytes instead of what they should be.
    int zeroReplies = 0;
    // Reads of an echo get it with byte corruptedByte (0 to 31) changed; the
    // right echo stays due and arrives once this count is used up.
    int corruptedEchoes = 0;
    int corruptedByte = 31;

    // Uses up one occurrence of a fault counted by count.
    static bool take(int& count)
    {
        if (count == kAlways)
            return true;
        if (count > 0) {
            --count;
            return true;
        }
        return false;
    }
};
