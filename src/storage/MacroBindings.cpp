// SPDX-License-Identifier: GPL-3.0-or-later
#include "storage/MacroBindings.h"

#include "storage/ButtonAssignment.h"
#include "storage/ProfileSet.h"

namespace {

bool isMacroFunction(const ButtonAssignment& button)
{
    return button.Fun == ButtonAssignment::kMacroFunction ||
           button.Fun == ButtonAssignment::kGunMacroFunction;
}

// Changes the buttons bound to a wanted macro; counts those that changed.
int forEachBound(ProfileSet& set, const std::function<bool(const QString&)>& wanted,
                 const std::function<void(ButtonAssignment&, int)>& change)
{
    int changed = 0;
    for (ProfileData& profile : set.profiles) {
        for (int i = 0; i < ProfileData::kButtons; ++i) {
            ButtonAssignment& button = profile.buttons[i];
            if (!isMacroFunction(button) || !wanted(button.macroname))
                continue;
            const ButtonAssignment before = button;
            change(button, i);
            changed += button != before ? 1 : 0;
        }
    }
    return changed;
}

} // namespace

namespace MacroBindings {

bool binds(const ButtonAssignment& button, const QString& macro)
{
    return isMacroFunction(button) && button.macroname == macro;
}

int count(const ProfileSet& set, const QString& macro)
{
    int bound = 0;
    for (const ProfileData& profile : set.profiles)
        for (const ButtonAssignment& button : profile.buttons)
            bound += binds(button, macro) ? 1 : 0;
    return bound;
}

int rename(ProfileSet& set, const QString& oldName, const QString& newName)
{
    if (oldName == newName)
        return 0;
    return forEachBound(
        set, [&](const QString& name) { return name == oldName; },
        [&](ButtonAssignment& button, int) { button.macroname = newName; });
}

int release(ProfileSet& set, const QString& macro, const ProfileData& factory)
{
    return forEachBound(
        set, [&](const QString& name) { return name == macro; },
        [&](ButtonAssignment& button, int index) { button = factory.buttons[index]; });
}

int releaseMissing(ProfileSet& set, const std::function<bool(const QString&)>& exists,
                   const ProfileData& factory)
{
    return forEachBound(
        set, [&](const QString& name) { return !exists(name); },
        [&](ButtonAssignment& button, int index) { button = factory.buttons[index]; });
}

} // namespace MacroBindings
