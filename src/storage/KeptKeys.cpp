// SPDX-License-Identifier: GPL-3.0-or-later
#include "storage/KeptKeys.h"

namespace {

ushort unitAt(const KeptKeys::Name& name, int i)
{
    return i < name.head.size() ? name.head.at(i).unicode() : name.tail.at(i - name.head.size()).unicode();
}

} // namespace

bool KeptKeys::Name::operator<(const Name& other) const
{
    const int size = head.size() + tail.size();
    const int otherSize = other.head.size() + other.tail.size();
    for (int i = 0; i < qMin(size, otherSize); ++i) {
        const ushort a = unitAt(*this, i);
        const ushort b = unitAt(other, i);
        if (a != b)
            return a < b;
    }
    return size < otherSize;
}

void KeptKeys::set(const QString& group, const Name& name, const QVariant& value)
{
    if (value.isValid()) {
        m_groups[group].insert(name, value);
        return;
    }
    const auto it = m_groups.find(group);
    if (it == m_groups.end())
        return;
    it->remove(name);
    // A section whose keys are all gone is not written.
    if (it->isEmpty())
        m_groups.erase(it);
}
