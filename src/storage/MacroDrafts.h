// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "storage/MacroRecord.h"
#include "storage/StorageResult.h"

#include <QMap>
#include <QStringList>

#include <optional>

class MacroFiles;

// Edits of macros not saved yet: each macro as the editor last showed it,
// kept by name while it differs from its file. They outlive a change of
// the macro shown, reach the files when the user applies, and go when the
// user cancels.
class MacroDrafts
{
public:
    // Keeps `shown` as its macro's draft while it differs from `stored`.
    void note(const MacroRecord& shown, const MacroRecord& stored);
    std::optional<MacroRecord> draft(const QString& name) const;
    bool isEmpty() const { return m_drafts.isEmpty(); }
    QStringList names() const { return m_drafts.keys(); }

    // A renamed macro keeps its draft under the new name.
    void rename(const QString& oldName, const QString& newName);
    void remove(const QString& name) { m_drafts.remove(name); }
    void clear() { m_drafts.clear(); }
    // Saves every draft to its file; a draft that cannot be saved stays.
    StorageResult saveAll(MacroFiles& files);

private:
    QMap<QString, MacroRecord> m_drafts;
};
