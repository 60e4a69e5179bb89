// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>

// The report-rate codes the mouse knows, and their frequencies.
namespace ReportRate {

struct Entry
{
    int code;
    int hz;
};

// Fastest first, as the rate menus list them.
constexpr std::array<Entry, 4> kRates{{{1, 1000}, {2, 500}, {4, 250}, {8, 125}}};

// The frequency of a code; 0 for a code the mouse does not know.
constexpr int hzForCode(int code)
{
    for (const Entry& entry : kRates)
        if (entry.code == code)
            return entry.hz;
    return 0;
}

// The code of a frequency; 0 when no code gives it.
constexpr int codeForHz(int hz)
{
    for (const Entry& entry : kRates)
        if (entry.hz == hz)
            return entry.code;
    return 0;
}

constexpr bool isValidCode(int code)
{
    return hzForCode(code) != 0;
}

} // namespace ReportRate
