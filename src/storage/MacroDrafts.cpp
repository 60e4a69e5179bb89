// SPDX-License-Identifier: GPL-3.0-or-later
#include "storage/MacroDrafts.h"

#include "storage/MacroFiles.h"

void MacroDrafts::note(const MacroRecord& shown, const MacroRecord& stored)
{
    if (shown.name.isEmpty())
        return;
    if (shown.sameContent(stored))
        m_drafts.remove(shown.name);
    else
        m_drafts.insert(shown.name, shown);
}

std::optional<MacroRecord> MacroDrafts::draft(const QString& name) const
{
    const auto found = m_drafts.constFind(name);
    if (found == m_drafts.constEnd())
        return std::nullopt;
    return *found;
}

void MacroDrafts::rename(const QString& oldName, const QString& newName)
{
    const auto found = m_drafts.find(oldName);
    if (found == m_drafts.end() || oldName == newName)
        return;
    MacroRecord renamed = *found;
    m_drafts.erase(found);
    renamed.name = newName;
    m_drafts.insert(newName, renamed);
}

StorageResult MacroDrafts::saveAll(MacroFiles& files)
{
    StorageResult result = StorageResult::success();
    for (auto it = m_drafts.begin(); it != m_drafts.end();) {
        const StorageResult saved = files.save(*it);
        result += saved;
        it = saved.isOk() ? m_drafts.erase(it) : std::next(it);
    }
    return result;
}
