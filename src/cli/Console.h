// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>

// Standard output and standard error of the tool, flushed line by line so
// that trace lines and results keep their order.
class Console
{
public:
    static void line(const QString& text);
    static void raw(const QByteArray& bytes);
    static void error(const QString& text);
};
