// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/fake/FakeInstanceLock.h"

FakeInstanceLock::~FakeInstanceLock()
{
    if (!m_held.isNull())
        m_registry->remove(m_held);
}

bool FakeInstanceLock::tryAcquire(const QString& name)
{
    if (m_registry->contains(name))
        return false;
    m_registry->insert(name);
    m_held = name;
    return true;
}
