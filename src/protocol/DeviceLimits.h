// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "protocol/DpiRule.h"

#include <QString>
#include <QVector>
#include <QtGlobal>

struct ModelDescription;
struct ProfileSet;

// One value that was outside what the mouse accepts, and what it became.
struct LimitChange
{
    enum Field
    {
        ReportRate,   // the report-rate code
        ActiveStage,  // the active DPI stage (0-based)
        StageX,       // a stage's X level (index: the stage)
        StageY,       // a stage's Y level (index: the stage)
        LightingMode, // the lighting mode index
        Brightness,   // of the lighting mode given by index
        Speed,        // of the lighting mode given by index
        SleepTime,    // lighting sleep time in minutes
    };

    int profile = 0; // slot 0 to 4
    Field field = ReportRate;
    int index = 0;
    qint64 from = 0;
    qint64 to = 0;

    // "profile 1: stage 3 X level 1000 -> 840", for the log.
    QString text() const;
};

// The ranges the protocol and the model allow for every value a download
// sends: sensor level limits, the model's stage count, the report-rate codes
// 1, 2, 4 and 8, the lighting modes, brightness, speed and sleep time the
// mouse knows. A value outside its range becomes the nearest valid value,
// so a damaged or hand-edited file can never put a value on the wire that
// the encodings were not made for.
namespace DeviceLimits {

// The levels a DPI stage of the model may hold: the sensor's range, which
// sensor 3395 ends at level 399 on models with the limit flag 8. Not known
// for a sensor without a rule.
DpiLevelRange stageLevels(const ModelDescription& model);

// Brings every profile of the set into range and lists what it changed.
QVector<LimitChange> clamp(ProfileSet& set, const ModelDescription& model);

// The code of the valid rate nearest to what the code stands for (a report
// interval in milliseconds); the code itself when it is valid.
int nearestReportRate(int code);

} // namespace DeviceLimits
