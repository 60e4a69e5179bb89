// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The macros the download benchmarks send, and the waits the protocol
// mandates for a download: what every apply's time is measured against.

#include "storage/AppPaths.h"
#include "storage/MacroFiles.h"

#include <QString>

namespace BenchMacros {

constexpr int kMacros = 12;
constexpr int kEventsPerMacro = 40;
constexpr double kWaitAfterReportMs = 10.0;
constexpr double kWaitPerMacroMs = 50.0;

inline QString name(int macro)
{
    return QStringLiteral("bench%1").arg(macro);
}

// Saves kMacros macros of kEventsPerMacro key events each.
inline void save(const AppPaths& paths)
{
    MacroFiles files(paths);
    for (int m = 0; m < kMacros; ++m) {
        MacroRecord macro;
        macro.name = name(m);
        for (int e = 0; e < kEventsPerMacro / 2; ++e) {
            macro.events.append(MacroEvent::keyPress(quint8(4 + e)));
            macro.events.append(MacroEvent::keyRelease(quint8(4 + e)));
        }
        (void)files.save(macro);
    }
}

// 10 ms after each report written and 50 ms per macro built.
inline double mandatedWaitsMs(int reports, int macros)
{
    return reports * kWaitAfterReportMs + macros * kWaitPerMacroMs;
}

} // namespace BenchMacros
