// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QVector>

// Macro name -> macro slot number, handed out while the button table is
// built and consumed by the macro download that follows it. Numbers count up
// from 0 in the order names are first seen; a name seen again keeps its
// number. Numbers above the mouse's last slot are handed out too: the
// download refuses them.
class MacroNameTable
{
public:
    static constexpr int kMaxSlots = 12;

    void clear()
    {
        m_names.clear();
        m_numbers.clear();
        m_next = 0;
    }
    bool isEmpty() const { return m_names.isEmpty(); }
    int size() const { return m_names.size(); }

    // The name's number, giving it the next free one when it is new.
    int assign(const QString& name);
    // The name's number, or -1 when it is absent.
    int find(const QString& name) const;
    void remove(const QString& name);

private:
    QVector<QString> m_names;
    QVector<int> m_numbers;
    int m_next = 0;
};
