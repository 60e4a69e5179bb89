// SPDX-License-Identifier: GPL-3.0-or-later
#include "device/LogVerbosity.h"

#include <QLoggingCategory>
#include <QString>

void LogVerbosity::apply(bool verbose)
{
    const QString rule =
        QStringLiteral("%1.debug=%2")
            .arg(QLatin1String(kCategories), verbose ? QStringLiteral("true") : QStringLiteral("false"));
    QLoggingCategory::setFilterRules(rule);
}
