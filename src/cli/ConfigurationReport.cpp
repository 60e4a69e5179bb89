#include "cli/ConfigurationReport.h"

#include "protocol/DpiRule.h"
#include "protocol/FunctionNames.h"
#include "protocol/FunctionTable.h"
#include "protocol/KeyTable.h"
#include "protocol/ReportRate.h"
#include "storage/AppConfig.h"
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
    m_productName = config.currentProductName();
    m_sensorType = config.mouseSensor();
    m_buttonCount = std::clamp(product.buttonCount(), 0, 16);
    const int stages = product.dpiStageCount();
    m_stageCount = stages >= 1 && stages <= ProfileData::kStages ? stages : ProfileData::kStages;
    ProfileSetStore(paths, m_productName).loadSet(m_set);
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
        return QStringLiteral("macro \"%1\"").arg(button.macroname);
    case FunctionTable::SingleKey:
        return QStringLiteral("SINGLE KEY %1").arg(KeyTable::name(button.Res1));
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
                                  {QStringLiteral("x"), int(stage.x)},
                                  {QStringLiteral("y"), int(stage.y)},
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
                       {QStringLiteral("pointerSpeed"), profile.mousespeed}};
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
                       .arg(m_set.profileNames[slot])
                       .arg(slot == m_set.ProfileID ? QStringLiteral(" (current)") : QString());
    text += QStringLiteral("  report rate: %1\n").arg(reportRateText(profile.pollrate));
    text += QStringLiteral("  DPI stages:\n");
    for (int s = 0; s < m_stageCount; ++s) {
        const DpiStage& stage = profile.stages[s];
        const int dpiX = DpiRule::levelToDpi(m_sensorType, int(stage.x));
        const int dpiY = DpiRule::levelToDpi(m_sensorType, int(stage.y));
        const QString dpi = dpiX == dpiY ? QStringLiteral("%1 DPI").arg(dpiX)
                                         : QStringLiteral("%1 x %2 DPI").arg(dpiX).arg(dpiY);
        text += QStringLiteral("   %1 %2: %3%4\n")
                    .arg(s == profile.dpi ? QLatin1Char('*') : QLatin1Char(' '))
                    .arg(s + 1)
                    .arg(dpi)
                    .arg(stage.used ? QString() : QStringLiteral(" (off)"));
    }
    text += QStringLiteral("  buttons:\n");
    for (int record : shownButtons())
        text += QStringLiteral("    %1: %2\n").arg(buttonName(record), buttonText(profile.buttons[record]));
    const LedSetting* led = currentLed(profile);
    text += QStringLiteral("  lighting: mode %1, colour %2, brightness %3, speed %4\n")
                .arg(profile.LedMode)
                .arg(led ? colourText(led->colour) : QStringLiteral("none"))
                .arg(led ? int(led->bright) : 0)
                .arg(led ? int(led->breath) : 0);
    text += QStringLiteral("  sleep after %1 min, lights off when moving: %2\n")
                .arg(profile.LedSleepTime)
                .arg(profile.LedMoveOFF != 0xFF ? QStringLiteral("yes") : QStringLiteral("no"));
    return text;
}

QString ConfigurationReport::toText() const
{
    QString text = QStringLiteral("Model: %1, sensor %2\n").arg(m_productName).arg(m_sensorType);
    for (int slot = 0; slot < ProfileSet::kProfiles; ++slot)
        text += profileText(m_set.profiles[slot], slot);
    return text;
}
