// SPDX-License-Identifier: GPL-3.0-or-later
#include "protocol/DeviceLimits.h"

#include "protocol/DpiEncoding.h"
#include "protocol/DpiRule.h"
#include "protocol/ReportRate.h"
#include "storage/ModelDescription.h"
#include "storage/ProfileSet.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace {

// The lighting modes the mouse offers; 12 and 13 exist in the record only.
constexpr int kLastLightingMode = 11;
constexpr quint32 kMinBrightness = 1;
constexpr quint32 kMaxBrightness = 3;
constexpr quint32 kMinSpeed = 1;
constexpr quint32 kMaxSpeed = 5;
// Sensor 3395 stops at this level on models with the limit flag 8.
constexpr int kLimitFlag3395 = 8;
constexpr int kLimitedMaxLevel3395 = 399;

// Which of the two lighting values the mode sends (the others go as 0).
bool sendsBrightness(int mode)
{
    return mode != 0 && mode != 3 && mode != 4;
}

bool sendsSpeed(int mode)
{
    return mode != 0 && mode != 1;
}

class Clamper
{
public:
    Clamper(const ModelDescription& model, QVector<LimitChange>& changes) : m_model(model), m_changes(changes)
    {
        m_levels = DeviceLimits::stageLevels(model);
    }

    void profile(int slot, ProfileData& p)
    {
        m_slot = slot;
        const int rate = DeviceLimits::nearestReportRate(p.pollrate);
        keep(LimitChange::ReportRate, 0, p.pollrate, rate);
        const int lastStage = std::clamp(m_model.dpiStageCount, 1, ProfileData::kStages) - 1;
        keep(LimitChange::ActiveStage, 0, p.dpi, std::min<int>(p.dpi, lastStage));
        for (int s = 0; s < ProfileData::kStages; ++s)
            stage(s, p.stages[s]);
        lighting(p);
    }

private:
    // The stage carries one range code, its lead axis's: the other axis is
    // brought into the levels of that range, or the mouse would read it as
    // another DPI.
    void stage(int s, DpiStage& stage)
    {
        if (!m_levels.known)
            return;
        const bool yLeads = DpiEncoding::yLeads(m_model.sensorType);
        quint32& lead = yLeads ? stage.y : stage.x;
        quint32& follower = yLeads ? stage.x : stage.y;
        level(yLeads ? LimitChange::StageY : LimitChange::StageX, s, lead, m_levels.minLevel,
              m_levels.maxLevel);
        const QPair<int, int> span = DpiEncoding::pairedSpan(m_model.sensorType, int(lead), m_levels.minLevel,
                                                             m_levels.maxLevel, m_model.sensorLimitFlag);
        level(yLeads ? LimitChange::StageX : LimitChange::StageY, s, follower, span.first, span.second);
    }

    // Levels are stored unsigned, but a file's "-1" reads as 0xFFFFFFFF: a
    // value past the signed range is a negative one, nearest to the lowest
    // level.
    void level(LimitChange::Field field, int s, quint32& value, int minLevel, int maxLevel)
    {
        const qint64 asStored =
            value > quint32(std::numeric_limits<qint32>::max()) ? qint64(qint32(value)) : qint64(value);
        const qint64 valid = std::clamp<qint64>(asStored, minLevel, maxLevel);
        if (asStored == valid)
            return;
        m_changes.append(LimitChange{m_slot, field, s, asStored, valid});
        value = quint32(valid);
    }

    void lighting(ProfileData& p)
    {
        keep(LimitChange::LightingMode, 0, p.LedMode, std::min<int>(p.LedMode, kLastLightingMode));
        LedSetting& led = p.leds[p.LedMode];
        if (sendsBrightness(p.LedMode))
            keep(LimitChange::Brightness, p.LedMode, led.bright,
                 std::clamp(led.bright, kMinBrightness, kMaxBrightness));
        if (sendsSpeed(p.LedMode))
            keep(LimitChange::Speed, p.LedMode, led.breath, std::clamp(led.breath, kMinSpeed, kMaxSpeed));
        const int sleepMin = std::clamp(m_model.sleepMin, 0, 255);
        const int sleepMax = std::clamp(m_model.sleepMax, sleepMin, 255);
        keep(LimitChange::SleepTime, 0, p.LedSleepTime, std::clamp<int>(p.LedSleepTime, sleepMin, sleepMax));
    }

    // Stores the valid value into the field and notes it when it differs.
    template <typename T> void keep(LimitChange::Field field, int index, T& value, qint64 valid)
    {
        if (qint64(value) == valid)
            return;
        m_changes.append(LimitChange{m_slot, field, index, qint64(value), valid});
        value = T(valid);
    }

    const ModelDescription& m_model;
    QVector<LimitChange>& m_changes;
    DpiLevelRange m_levels;
    int m_slot = 0;
};

QString fieldText(const LimitChange& change)
{
    switch (change.field) {
    case LimitChange::ReportRate:
        return QStringLiteral("report-rate code");
    case LimitChange::ActiveStage:
        return QStringLiteral("active stage");
    case LimitChange::StageX:
        return QStringLiteral("stage %1 X level").arg(change.index + 1);
    case LimitChange::StageY:
        return QStringLiteral("stage %1 Y level").arg(change.index + 1);
    case LimitChange::LightingMode:
        return QStringLiteral("lighting mode");
    case LimitChange::Brightness:
        return QStringLiteral("brightness of lighting mode %1").arg(change.index);
    case LimitChange::Speed:
        return QStringLiteral("speed of lighting mode %1").arg(change.index);
    case LimitChange::SleepTime:
        return QStringLiteral("sleep time");
    }
    return QString();
}

} // namespace

QString LimitChange::text() const
{
    // Stages are counted from 1 where people see them.
    const bool stageIndex = field == ActiveStage;
    return QStringLiteral("profile %1: %2 %3 -> %4")
        .arg(profile + 1)
        .arg(fieldText(*this))
        .arg(stageIndex ? from + 1 : from)
        .arg(stageIndex ? to + 1 : to);
}

namespace DeviceLimits {

DpiLevelRange stageLevels(const ModelDescription& model)
{
    DpiLevelRange levels =
        DpiRule::levelRange(model.sensorType, model.extendedDpiRange ? 1 : 0, model.modelName);
    if (levels.known && model.sensorType == 3395 && model.sensorLimitFlag == kLimitFlag3395) {
        levels.maxLevel = std::min(levels.maxLevel, kLimitedMaxLevel3395);
        levels.maxDpi = DpiRule::levelToDpi(model.sensorType, levels.maxLevel);
    }
    return levels;
}

QVector<LimitChange> clamp(ProfileSet& set, const ModelDescription& model)
{
    QVector<LimitChange> changes;
    Clamper clamper(model, changes);
    for (int slot = 0; slot < ProfileSet::kProfiles; ++slot)
        clamper.profile(slot, set.profiles[slot]);
    return changes;
}

int nearestReportRate(int code)
{
    if (ReportRate::isValidCode(code))
        return code;
    // Nearest in reports per second; a code of 0 or below asks for the
    // fastest rate.
    if (code <= 0)
        return ReportRate::kRates.front().code;
    const double hz = 1000.0 / code;
    int best = ReportRate::kRates.front().code;
    double bestDistance = std::numeric_limits<double>::max();
    for (const ReportRate::Entry& entry : ReportRate::kRates) {
        const double distance = std::abs(entry.hz - hz);
        if (distance < bestDistance) {
            best = entry.code;
            bestDistance = distance;
        }
    }
    return best;
}

} // namespace DeviceLimits
