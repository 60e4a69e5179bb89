// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>
#include <QtGlobal>

// One report that crossed the virtual wire.
struct TraceRecord
{
    enum Direction
    {
        Written,
        Read
    };

    Direction direction = Written;
    QByteArray path;
    // Written: the whole output report with its report id byte; Read: the
    // input report as the host received it.
    QByteArray bytes;
    qint64 timeUs = 0;

    // "W" or "R", a blank, and the bytes in lower-case hexadecimal separated
    // by blanks.
    QString toText() const
    {
        QString text = QLatin1String(direction == Written ? "W" : "R");
        for (char byte : bytes)
            text += QStringLiteral(" %1").arg(quint8(byte), 2, 16, QLatin1Char('0'));
        return text;
    }
};
