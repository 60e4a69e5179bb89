// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/ConfigurationReport.h"

#include "protocol/DpiRule.h"
#include "protocol/FunctionNames.h"
#include "protocol/FunctionTable.h"
#include "protocol/KeyTable.h"
#include "protocol/ReportRate.h"
#include "storage/AppConfig.h"
#include "storage/ModelDescription.h"
#include "storage/ProductDescription.h"
#include "storage/ProfileSetStore.h"

#include <QJsonArray>

#include <algorithm>

namespace {

constexpr int kWheelUp = 40;
constexpr int kWheelDown = 41;

QString buttonName(int record)
{
    if (record == kWheelUp)
        return QStringLiteral("wheel up");
    if (record == kWheelDown)
        return QStringLiteral("wheel down");
    return QStringLiteral("button %1").arg(record + 1);
}

QString colourText(const QColor& colour)
{
    return colour.isValid() ? colour.name() : QStringLiteral("none");
}

const LedSetting* currentLed(const ProfileData& profile)
{
    return profile.LedMode < ProfileData::kLedModes ? &profile.leds[profile.LedMode] : nullptr;
}

} // namespace

ConfigurationReport::ConfigurationReport(const AppPaths& paths)
{
    AppConfig config(paths);
    const ProductDescription product(paths.productDescriptionFile());
    m_productName = config.profileModelName();
    m_sensorType = config.mouseSensor();
    m_buttonCount = std::clamp(product.buttonCount(), 0, 16);
    const int stages = product.dpiStageCount();
    m_stageCount = stages >= 1 && stages <= ProfileData::kStages ? stages : ProfileData::kStages;
    m_unreadable = ProfileSetStore(paths, m_productName).loadSet(m_set);
    ProfileSet sent = m_set;
    m_changes = DeviceLimits::clamp(sent, ModelDescription::read(paths, m_productName));
}

QString ConfigurationReport::printable(const QString& text)
{
    QString shown;
    for (const QChar ch : text) {
        if (ch == QLatin1Char('\\'))
            shown += QStringLiteral("\\\\");
        else if (ch == QLatin1Char('\n'))
            shown += QStringLiteral("\\n");
        else if (ch == QLatin1Char('\r'))
            shown += QStringLiteral("\\r");
        else if (ch == QLatin1Char('\t'))
            shown += QStringLiteral("\\t");
        else if (ch.category() == QChar::Other_Control || ch.category() == QChar::Other_Format)
            shown += QStringLiteral("\\x%1").arg(ch.unicode(), 2, 16, QLatin1Char('0'));
        else
            shown += ch;
    }
    return shown;
}

const LimitChange* ConfigurationReport::change(int slot, LimitChange::Field field, int index) const
{
    for (const LimitChange& change : m_changes)
        if (change.profile == slot && change.field == field && change.index == index)
            return &change;
    return nullptr;
}

QString ConfigurationReport::mark(int slot, LimitChange::Field field, int index) const
{
    const LimitChange* changed = change(slot, field, index);
    if (!changed)
        return QString();
    const qint64 sent = field == LimitChange::ActiveStage ? changed->to + 1 : changed->to;
    return QStringLiteral(" (out of range, sent as %1)").arg(sent);
}

QJsonArray ConfigurationReport::outOfRangeJson(int slot) const
{
    QJsonArray list;
    for (const LimitChange& change : m_changes) {
        if (change.profile != slot)
            continue;
        list.append(QJsonObject{{QStringLiteral("what"), change.text().section(QStringLiteral(": "), 1)},
                                {QStringLiteral("stored"), double(change.from)},
                                {QStringLiteral("sent"), double(change.to)}});
    }
    return list;
}

int ConfigurationReport::reportRateHz(int code)
{
    return ReportRate::hzForCode(code);
}

QString ConfigurationReport::reportRateText(int code)
{
    const int hz = reportRateHz(code);
    return hz ? QStringLiteral("%1 Hz").arg(hz) : QStringLiteral("unknown (code %1)").arg(code);
}

QString ConfigurationReport::buttonText(const ButtonAssignment& button)
{
    switch (button.Fun) {
    case FunctionTable::Macro:
    case FunctionTable::GunMacro:
        return QStringLiteral("macro \"%1\"").arg(printable(button.macroname));
    case FunctionTable::SingleKey: {
        const QString key = KeyTable::name(button.Res1);
        return QStringLiteral("SINGLE KEY %1").arg(key.isEmpty() ? QStringLiteral("(none)") : key);
    }
    case 0:
        return QStringLiteral("Disabled");
    default:
        break;
    }
    const QString label = FunctionNames::label(button.Fun);
    return label.isEmpty() ? QStringLiteral("function %1").arg(button.Fun) : label;
}

QVector<int> ConfigurationReport::shownButtons() const
{
    QVector<int> records;
    for (int record = 0; record < m_buttonCount; ++record)
        records.append(record);
    records << kWheelUp << kWheelDown;
    return records;
}

QJsonObject ConfigurationReport::profileJson(const ProfileData& profile, int slot) const
{
    QJsonArray stages;
    for (int s = 0; s < m_stageCount; ++s) {
        const DpiStage& stage = profile.stages[s];
        stages.append(QJsonObject{{QStringLiteral("used"), stage.used != 0},
                                  {QStringLiteral("x"), double(stage.x)},
                                  {QStringLiteral("y"), double(stage.y)},
                                  {QStringLiteral("dpiX"), DpiRule::levelToDpi(m_sensorType, int(stage.x))},
                                  {QStringLiteral("dpiY"), DpiRule::levelToDpi(m_sensorType, int(stage.y))}});
    }
    QJsonArray buttons;
    for (int record : shownButtons()) {
        const ButtonAssignment& button = profile.buttons[record];
        buttons.append(QJsonObject{{QStringLiteral("record"), record},
                                   {QStringLiteral("function"), button.Fun},
                                   {QStringLiteral("text"), buttonText(button)}});
    }
    const LedSetting* led = currentLed(profile);
    const QJsonObject lighting{
        {QStringLiteral("mode"), profile.LedMode},
        {QStringLiteral("colour"), led ? colourText(led->colour) : QStringLiteral("none")},
        {QStringLiteral("brightness"), led ? int(led->bright) : 0},
        {QStringLiteral("speed"), led ? int(led->breath) : 0},
        {QStringLiteral("sleepMinutes"), profile.LedSleepTime},
        {QStringLiteral("offWhenMoving"), profile.LedMoveOFF != 0xFF}};
    return QJsonObject{{QStringLiteral("slot"), slot + 1},
                       {QStringLiteral("name"), m_set.profileNames[slot]},
                       {QStringLiteral("reportRateHz"), reportRateHz(profile.pollrate)},
                       {QStringLiteral("activeStage"), profile.dpi + 1},
                       {QStringLiteral("stages"), stages},
                       {QStringLiteral("buttons"), buttons},
                       {QStringLiteral("lighting"), lighting},
                       {QStringLiteral("pointerSpeed"), profile.mousespeed},
                       {QStringLiteral("outOfRange"), outOfRangeJson(slot)}};
}

QJsonObject ConfigurationReport::toJson() const
{
    QJsonArray profiles;
    for (int slot = 0; slot < ProfileSet::kProfiles; ++slot)
        profiles.append(profileJson(m_set.profiles[slot], slot));
    return QJsonObject{{QStringLiteral("model"), m_productName},
                       {QStringLiteral("sensor"), m_sensorType},
                       {QStringLiteral("currentProfile"), m_set.ProfileID + 1},
                       {QStringLiteral("profiles"), profiles}};
}

QString ConfigurationReport::profileText(const ProfileData& profile, int slot) const
{
    QString text = QStringLiteral("Profile %1 \"%2\"%3\n")
                       .arg(slot + 1)
                       .arg(printable(m_set.profileNames[slot]))
                       .arg(slot == m_set.ProfileID ? QStringLiteral(" (current)") : QString());
    text += QStringLiteral("  report rate: %1%2\n")
                .arg(reportRateText(profile.pollrate), mark(slot, LimitChange::ReportRate));
    if (const LimitChange* active = change(slot, LimitChange::ActiveStage))
        text += QStringLiteral("  active stage %1 (out of range, sent as %2)\n")
                    .arg(active->from + 1)
                    .arg(active->to + 1);
    text += QStringLiteral("  DPI stages:\n");
    for (int s = 0; s < m_stageCount; ++s) {
        const DpiStage& stage = profile.stages[s];
        const int dpiX = DpiRule::levelToDpi(m_sensorType, int(stage.x));
        const int dpiY = DpiRule::levelToDpi(m_sensorType, int(stage.y));
        const QString dpi = dpiX == dpiY ? QStringLiteral("%1 DPI").arg(dpiX)
                                         : QStringLiteral("%1 x %2 DPI").arg(dpiX).arg(dpiY);
        text += QStringLiteral("   %1 %2: %3%4%5\n")
                    .arg(s == profile.dpi ? QLatin1Char('*') : QLatin1Char(' '))
                    .arg(s + 1)
                    .arg(dpi)
                    .arg(stage.used ? QString() : QStringLiteral(" (off)"))
                    .arg(stageMarks(slot, s));
    }
    text += QStringLiteral("  buttons:\n");
    for (int record : shownButtons())
        text += QStringLiteral("    %1: %2\n").arg(buttonName(record), buttonText(profile.buttons[record]));
    const LedSetting* led = currentLed(profile);
    text += QStringLiteral("  lighting: mode %1%2, colour %3, brightness %4%5, speed %6%7\n")
                .arg(profile.LedMode)
                .arg(mark(slot, LimitChange::LightingMode))
                .arg(led ? colourText(led->colour) : QStringLiteral("none"))
                .arg(led ? qint64(led->bright) : 0)
                .arg(mark(slot, LimitChange::Brightness, profile.LedMode))
                .arg(led ? qint64(led->breath) : 0)
                .arg(mark(slot, LimitChange::Speed, profile.LedMode));
    text += QStringLiteral("  sleep after %1 min%2, lights off when moving: %3\n")
                .arg(profile.LedSleepTime)
                .arg(mark(slot, LimitChange::SleepTime))
                .arg(profile.LedMoveOFF != 0xFF ? QStringLiteral("yes") : QStringLiteral("no"));
    return text;
}

QString ConfigurationReport::stageMarks(int slot, int stage) const
{
    const LimitChange* x = change(slot, LimitChange::StageX, stage);
    const LimitChange* y = change(slot, LimitChange::StageY, stage);
    if (!x && !y)
        return QString();
    QStringList levels;
    if (x)
        levels.append(QStringLiteral("X level %1 sent as %2").arg(x->from).arg(x->to));
    if (y)
        levels.append(QStringLiteral("Y level %1 sent as %2").arg(y->from).arg(y->to));
    return QStringLiteral(" (out of range: %1)").arg(levels.join(QStringLiteral(", ")));
}

QString ConfigurationReport::toText() const
{
    QString text = QStringLiteral("Model: %1, sensor %2\n").arg(printable(m_productName)).arg(m_sensorType);
    for (int slot = 0; slot < ProfileSet::kProfiles; ++slot)
        text += profileText(m_set.profiles[slot], slot);
    return text;
}
