// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <memory>

// Keeps one copy of the utility per model running. The lock is named from the
// model's product name, held from tryAcquire() until the object is destroyed
// (or the process ends), and released by the system if the process dies.
class InstanceLock
{
public:
    virtual ~InstanceLock() = default;
    // True when this process now holds the lock; false when another holds it.
    virtual bool tryAcquire(const QString& name) = 0;
};

// The lock name for a model: its product name followed by this suffix.
QString instanceLockName(const QString& productName);

// This operating system's lock.
std::unique_ptr<InstanceLock> createInstanceLock();
