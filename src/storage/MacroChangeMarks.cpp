// SPDX-License-Identifier: GPL-3.0-or-later
#include "storage/MacroChangeMarks.h"

#include "storage/MacroFiles.h"

namespace MacroChangeMarks {

QStringList unchangedMacros(const ProfileSet& before, const ProfileSet& now)
{
    QStringList names;
    for (int p = 0; p < ProfileSet::kProfiles; ++p) {
        for (int b = 0; b < ProfileData::kButtons; ++b) {
            const ButtonAssignment& current = now.profiles[p].buttons[b];
            if (current.Fun != ButtonAssignment::kMacroFunction || current != before.profiles[p].buttons[b])
                continue;
            if (!names.contains(current.macroname))
                names.append(current.macroname);
        }
    }
    return names;
}

StorageResult clearUnchanged(const AppPaths& paths, const ProfileSet& before, const ProfileSet& now)
{
    StorageResult result = StorageResult::success();
    MacroFiles macros(paths);
    for (const QString& name : unchangedMacros(before, now))
        result += macros.readAndClearChangeMark(name);
    return result;
}

} // namespace MacroChangeMarks
