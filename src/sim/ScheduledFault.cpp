// SPDX-License-Identifier: GPL-3.0-or-later
#include "sim/ScheduledFault.h"

#include <QRegularExpression>

namespace {

struct KindName
{
    const char* name;
    ScheduledFault::Kind kind;
    int defaultAmount;
};

// Far more reports than any session writes; larger numbers are typing slips.
constexpr int kMaxNumber = 1000000;
constexpr int kLastByte = 31;

const KindName kKinds[] = {{"write-error", ScheduledFault::WriteError, 1},
                           {"timeout", ScheduledFault::Timeout, 1},
                           {"zero-replies", ScheduledFault::ZeroReplies, 1},
                           {"bad-echo", ScheduledFault::BadEcho, kLastByte},
                           {"unplug", ScheduledFault::Unplug, 1}};

} // namespace

bool ScheduledFault::parse(const QString& text, ScheduledFault& fault, QString& error)
{
    static const QRegularExpression pattern(QStringLiteral("^([a-z-]+)@(\\d{1,7})(?::(\\d{1,7}))?$"));
    const QRegularExpressionMatch match = pattern.match(text);
    const KindName* kind = nullptr;
    for (const KindName& candidate : kKinds)
        if (match.hasMatch() && match.captured(1) == QLatin1String(candidate.name))
            kind = &candidate;
    if (!kind) {
        error = QStringLiteral("unknown fault %1 (write-error, timeout, zero-replies, bad-echo or unplug "
                               "followed by @report)")
                    .arg(text);
        return false;
    }
    fault.kind = kind->kind;
    fault.atReport = match.captured(2).toInt();
    fault.amount = match.captured(3).isEmpty() ? kind->defaultAmount : match.captured(3).toInt();
    if (fault.atReport < 1 || fault.atReport > kMaxNumber) {
        error = QStringLiteral("fault %1: the report number counts from 1").arg(text);
        return false;
    }
    const bool byte = fault.kind == BadEcho;
    if ((byte && fault.amount > kLastByte) || (!byte && (fault.amount < 1 || fault.amount > kMaxNumber)) ||
        (fault.kind == Unplug && !match.captured(3).isEmpty())) {
        error = byte ? QStringLiteral("fault %1: the byte is 0 to 31").arg(text)
                     : QStringLiteral("fault %1: the count must be 1 or more").arg(text);
        return false;
    }
    return true;
}
