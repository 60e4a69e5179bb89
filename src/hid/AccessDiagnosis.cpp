// SPDX-License-Identifier: GPL-3.0-or-later
#include "hid/AccessDiagnosis.h"

#include <QCoreApplication>
#include <QStringList>

QString AccessDiagnosis::message(const QVector<QByteArray>& deniedPaths)
{
    if (deniedPaths.isEmpty())
        return QString();
    QStringList nodes;
    for (const QByteArray& path : deniedPaths)
        nodes.append(QString::fromLocal8Bit(path));
    return QCoreApplication::translate("AccessDiagnosis",
                                       "The mouse is plugged in, but %1 cannot be opened: permission denied. "
                                       "The udev rule is missing or not yet applied. Install %2 into "
                                       "/etc/udev/rules.d/ (the package installs it), then replug the "
                                       "receiver or run:\n%3")
        .arg(nodes.join(QStringLiteral(", ")), QLatin1String(kRuleFile), QLatin1String(kFixCommand));
}
