// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "storage/MacroFiles.h"
#include "storage/MacroRecord.h"

#include <QVector>

// One shot of a gun file: the left button clicks, the pointer is pulled by
// (x, y), right and down positive, and the macro waits delayMs.
struct GunShot
{
    int delayMs = 100; // 1 to 999
    int x = 0;         // -100 to 100
    int y = 0;         // -100 to 100
};

// Recoil-compensation macros built from a table of shots and stored as
// ordinary macro files (with recorded delays, no loop, no change mark).
namespace GunFile {

constexpr int kMaxShots = 5;
constexpr int kMaxPull = 100;
constexpr int kMaxDelayMs = 999;

// Per shot: left press, left release, the horizontal pull, the vertical
// pull, the delay; a pull or delay of 0 adds no step.
QVector<MacroEvent> events(const QVector<GunShot>& shots, int unitMs);
MacroRecord record(const QString& name, const QVector<GunShot>& shots, int unitMs);

// Writes the gun file under `name`, or under "name_2", "name_3", ... when a
// macro of that name exists already (an existing macro is never written
// over), and lists it. writtenName receives the name used.
StorageResult write(const AppPaths& paths, const QString& name, const QVector<GunShot>& shots, int unitMs,
                    QString* writtenName);

} // namespace GunFile
