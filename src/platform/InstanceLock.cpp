// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/InstanceLock.h"

QString instanceLockName(const QString& productName)
{
    return productName + QStringLiteral(" Wireless Gaming Mouse Mutex1");
}
