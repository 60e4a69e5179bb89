// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

struct ProfileData;
struct ProfileSet;

// Where two states of the profiles differ, by the page that edits each
// value: what the window marks as not yet applied.
namespace ProfileChanges {

enum Area
{
    Lighting = 1,    // effect, colours, light-off and sleep time
    Buttons = 2,     // the button functions
    Performance = 4, // DPI stages, report rate, scroll and pointer values, shared sensor values
};

// The areas (a combination of Area) in which the profile differs.
int areas(const ProfileData& a, const ProfileData& b);
// The values the five profiles share (sensor options, lift).
bool sharedDiffer(const ProfileSet& a, const ProfileSet& b);
// Whether the slot holds another profile, or its profile's values differ.
bool slotDiffers(const ProfileSet& a, const ProfileSet& b, int slot);

} // namespace ProfileChanges
