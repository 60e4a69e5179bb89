// SPDX-License-Identifier: GPL-3.0-or-later
#include "device/ModelChoice.h"

#include "hid/DeviceLink.h"

namespace ModelChoice {

QStringList presentModels(const DeviceLink& link)
{
    QStringList names;
    for (const DeviceEntry& entry : link.entries()) {
        if (entry.present())
            names.append(entry.name);
    }
    return names;
}

QString choose(const QStringList& present, const QString& preferred)
{
    if (present.contains(preferred))
        return preferred;
    return present.value(0);
}

QString findAndOpen(DeviceLink& link, const QString& deviceName, const QString& preferred)
{
    link.reset(deviceName);
    if (link.scan() != 0)
        return QString();
    const QString chosen = choose(presentModels(link), preferred);
    if (!chosen.isEmpty())
        link.open(chosen);
    return chosen;
}

} // namespace ModelChoice
