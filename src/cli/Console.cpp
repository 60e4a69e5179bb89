// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/Console.h"

#include <cstdio>

void Console::line(const QString& text)
{
    raw(text.toUtf8() + '\n');
}

void Console::raw(const QByteArray& bytes)
{
    std::fwrite(bytes.constData(), 1, size_t(bytes.size()), stdout);
    std::fflush(stdout);
}

void Console::error(const QString& text)
{
    const QByteArray bytes = "mousecfgctl: " + text.toUtf8() + '\n';
    std::fwrite(bytes.constData(), 1, size_t(bytes.size()), stderr);
    std::fflush(stderr);
}
