// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "storage/AppPaths.h"
#include "storage/StorageResult.h"

#include <QString>
#include <QStringList>

// The 50 macro slots "MACRO_LIST/0" to "MACRO_LIST/49" of Config.ini. Each
// slot holds a macro name or is empty; slots keep their places, so deleting a
// macro leaves a gap that the next new macro fills.
class MacroList
{
public:
    static constexpr int kSlotCount = 50;

    explicit MacroList(const AppPaths& paths);

    // All 50 slots in order, empty text for a free slot.
    QStringList entries() const;
    // The names in use, in slot order.
    QStringList names() const;
    int countInUse() const;
    bool contains(const QString& name) const;

    // Puts the name into the first free slot; fails when all 50 are in use.
    StorageResult add(const QString& name);
    // Empties the slot holding the name; a name not in the list changes nothing.
    StorageResult remove(const QString& name);
    StorageResult rename(const QString& oldName, const QString& newName);

    static QString fullMessage();

private:
    StorageResult writeSlot(int slot, const QString& name);

    AppPaths m_paths;
    QString m_filePath;
};
