// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QValidator>

// Whole numbers up to a maximum, typed digit by digit. Unlike QIntValidator,
// which lets "400" stand as an intermediate value of 1 to 255, a number
// beyond the maximum cannot be typed at all; values below the minimum may
// stand while typing.
class RangeValidator : public QValidator
{
    Q_OBJECT
public:
    RangeValidator(int minimum, int maximum, QObject* parent = nullptr);

    State validate(QString& input, int& pos) const override;

private:
    int m_minimum;
    int m_maximum;
};
