// SPDX-License-Identifier: GPL-3.0-or-later
#include "storage/MacroList.h"

#include "storage/IniReader.h"
#include "storage/SettingsValues.h"
#include "storage/SettingsWriter.h"

#include <QCoreApplication>

namespace {
QString slotKey(int slot)
{
    return QStringLiteral("MACRO_LIST/%1").arg(slot);
}
} // namespace

MacroList::MacroList(const AppPaths& paths) : m_paths(paths), m_filePath(paths.configFile()) {}

QString MacroList::fullMessage()
{
    return QCoreApplication::translate("MacroDialog", "TOO MANY MACROS TO BE CREATE!");
}

QStringList MacroList::entries() const
{
    const IniReader file(m_paths.store(), m_filePath);
    QStringList list;
    for (int slot = 0; slot < kSlotCount; ++slot)
        list.append(SettingsValues::readText(file, slotKey(slot)));
    return list;
}

QStringList MacroList::names() const
{
    QStringList inUse = entries();
    inUse.removeAll(QString());
    return inUse;
}

int MacroList::countInUse() const
{
    return int(names().size());
}
bool MacroList::contains(const QString& name) const
{
    return !name.isEmpty() && entries().contains(name);
}

StorageResult MacroList::writeSlot(int slot, const QString& name)
{
    SettingsWriter writer(m_paths.store(), m_filePath);
    writer.settings().setValue(slotKey(slot), name);
    return writer.finish();
}

StorageResult MacroList::add(const QString& name)
{
    const int slot = int(entries().indexOf(QString()));
    if (slot < 0)
        return StorageResult::failure(fullMessage());
    return writeSlot(slot, name);
}

StorageResult MacroList::remove(const QString& name)
{
    const int slot = name.isEmpty() ? -1 : int(entries().indexOf(name));
    return slot < 0 ? StorageResult::success() : writeSlot(slot, QString());
}

StorageResult MacroList::rename(const QString& oldName, const QString& newName)
{
    const int slot = oldName.isEmpty() ? -1 : int(entries().indexOf(oldName));
    return slot < 0 ? StorageResult::success() : writeSlot(slot, newName);
}
