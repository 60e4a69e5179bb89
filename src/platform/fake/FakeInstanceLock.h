// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/InstanceLock.h"

#include <QSet>
#include <QString>
#include <memory>

// Locks within one process, for tests: names held by any live fake lock
// sharing the same registry are refused.
class FakeInstanceLock : public InstanceLock
{
public:
    using Registry = std::shared_ptr<QSet<QString>>;

    explicit FakeInstanceLock(Registry registry) : m_registry(std::move(registry)) {}
    ~FakeInstanceLock() override;

    bool tryAcquire(const QString& name) override;
    QString heldName() const { return m_held; }

private:
    Registry m_registry;
    QString m_held;
};
