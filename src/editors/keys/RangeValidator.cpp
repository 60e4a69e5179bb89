// SPDX-License-Identifier: GPL-3.0-or-later
#include "editors/keys/RangeValidator.h"

RangeValidator::RangeValidator(int minimum, int maximum, QObject* parent)
    : QValidator(parent), m_minimum(minimum), m_maximum(maximum)
{
}

QValidator::State RangeValidator::validate(QString& input, int&) const
{
    if (input.isEmpty())
        return Intermediate;
    for (const QChar c : input) {
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            return Invalid;
    }
    bool ok = false;
    const int value = input.toInt(&ok);
    if (!ok || value > m_maximum)
        return Invalid;
    return value < m_minimum ? Intermediate : Acceptable;
}
