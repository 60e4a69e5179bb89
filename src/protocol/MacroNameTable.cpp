// SPDX-License-Identifier: GPL-3.0-or-later
#include "protocol/MacroNameTable.h"

int MacroNameTable::assign(const QString& name)
{
    const int known = find(name);
    if (known >= 0)
        return known;
    m_names.append(name);
    m_numbers.append(m_next);
    return m_next++;
}

int MacroNameTable::find(const QString& name) const
{
    const int index = m_names.indexOf(name);
    return index < 0 ? -1 : m_numbers.at(index);
}

void MacroNameTable::remove(const QString& name)
{
    const int index = m_names.indexOf(name);
    if (index < 0)
        return;
    m_names.remove(index);
    m_numbers.remove(index);
}
