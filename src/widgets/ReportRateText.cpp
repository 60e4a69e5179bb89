// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/ReportRateText.h"

#include "protocol/ReportRate.h"

#include <QCoreApplication>

QString reportRateText(int code)
{
    const int hz = ReportRate::hzForCode(code);
    return hz ? QCoreApplication::translate("ReportRate", "%1 HZ").arg(hz) : QString();
}
