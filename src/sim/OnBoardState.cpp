// SPDX-License-Identifier: GPL-3.0-or-later
#include "sim/OnBoardState.h"

#include <QJsonArray>

namespace {
QString hex(const quint8* bytes, int count)
{
    QString text;
    for (int i = 0; i < count; ++i) {
        if (i > 0)
            text += QLatin1Char(' ');
        text += QStringLiteral("%1").arg(bytes[i], 2, 16, QLatin1Char('0'));
    }
    return text;
}

QJsonArray dpiStagesJson(const OnBoardState& state)
{
    QJsonArray stages;
    for (const auto& stage : state.dpiStages) {
        stages.append(QJsonObject{{QStringLiteral("range"), stage[0]},
                                  {QStringLiteral("first"), stage[1] | (stage[2] << 8)},
                                  {QStringLiteral("second"), stage[3] | (stage[4] << 8)},
                                  {QStringLiteral("bytes"), hex(stage.data(), 5)}});
    }
    return stages;
}

QJsonArray buttonSlotsJson(const OnBoardState& state)
{
    QJsonArray slotList;
    for (const auto& slot : state.buttonSlots)
        slotList.append(hex(slot.data(), 4));
    return slotList;
}

// Only slots that received a part are listed, keyed by slot number.
QJsonObject macroSlotsJson(const OnBoardState& state)
{
    QJsonObject macros;
    for (int slot = 0; slot < OnBoardState::kMacroSlots; ++slot) {
        if (state.macroPartsWritten[slot] == 0)
            continue;
        macros.insert(QString::number(slot),
                      QJsonObject{{QStringLiteral("parts"), state.macroPartsWritten[slot]},
                                  {QStringLiteral("bytes"),
                                   hex(state.macroSlots[slot].data(), OnBoardState::kMacroSlotSize)}});
    }
    return macros;
}
} // namespace

QJsonObject OnBoardState::toJson() const
{
    QJsonArray commitList;
    for (quint8 mask : commits)
        commitList.append(mask);
    return QJsonObject{
        {QStringLiteral("download"), QJsonObject{{QStringLiteral("beginMarkers"), beginMarkers},
                                                 {QStringLiteral("endMarkers"), endMarkers},
                                                 {QStringLiteral("open"), downloadOpen}}},
        {QStringLiteral("performance"), QJsonObject{{QStringLiteral("dpiStage"), dpiStage},
                                                    {QStringLiteral("pollRate"), pollRate},
                                                    {QStringLiteral("ledMode"), ledMode},
                                                    {QStringLiteral("ledSpeed"), ledSpeed},
                                                    {QStringLiteral("ledBrightness"), ledBrightness}}},
        {QStringLiteral("options"), QJsonObject{{QStringLiteral("tag"), optionsTag},
                                                {QStringLiteral("liftHigh"), liftHigh},
                                                {QStringLiteral("ledSleepTime"), ledSleepTime},
                                                {QStringLiteral("moveLightOff"), moveLightOff},
                                                {QStringLiteral("angleOrDebounce"), angleOrDebounce},
                                                {QStringLiteral("sync"), sync},
                                                {QStringLiteral("colour"), hex(colour.data(), 3)}}},
        {QStringLiteral("dpiStages"), dpiStagesJson(*this)},
        {QStringLiteral("buttonSlots"), buttonSlotsJson(*this)},
        {QStringLiteral("macroSlots"), macroSlotsJson(*this)},
        {QStringLiteral("activeProfile"), activeProfile},
        {QStringLiteral("commits"), commitList},
        {QStringLiteral("battery"),
         QJsonObject{{QStringLiteral("level"), batteryLevel}, {QStringLiteral("extra"), batteryExtra}}},
        {QStringLiteral("rejectedCommands"), rejectedCommands},
        {QStringLiteral("unknownCommands"), unknownCommands},
    };
}
