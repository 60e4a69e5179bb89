// SPDX-License-Identifier: GPL-3.0-or-later
#include "protocol/LightingEffects.h"

namespace LightingEffects {

namespace {

struct Effect
{
    const char* label;
    Controls controls;
};

constexpr ColourControl kNone = ColourControl::None;

// clang-format off
const Effect kEffects[kOffered] = {
    {QT_TRANSLATE_NOOP("OakColorWindow", "OFF"),               {false, false, kNone, false}},
    {QT_TRANSLATE_NOOP("OakColorWindow", "FULL LIGHTED"),      {true,  false, ColourControl::SwatchOnly, false}},
    {QT_TRANSLATE_NOOP("OakColorWindow", "7 COLOR"),           {true,  true,  kNone, false}},
    {QT_TRANSLATE_NOOP("OakColorWindow", "BREATHING"),         {false, true,  ColourControl::Full, true}},
    {QT_TRANSLATE_NOOP("OakColorWindow", "7 COLOR BREATHING"), {false, true,  kNone, false}},
    {QT_TRANSLATE_NOOP("OakColorWindow", "RAINBOW"),           {true,  true,  kNone, false}},
    {QT_TRANSLATE_NOOP("OakColorWindow", "WAVE"),              {true,  true,  kNone, false}},
    {QT_TRANSLATE_NOOP("OakColorWindow", "Single WAVE"),       {true,  true,  kNone, false}},
    {QT_TRANSLATE_NOOP("OakColorWindow", "yo-yo"),             {true,  true,  kNone, false}},
    {QT_TRANSLATE_NOOP("OakColorWindow", "7 COLOR with tail"), {true,  true,  kNone, false}},
    {QT_TRANSLATE_NOOP("OakColorWindow", "REACTIVE"),          {true,  true,  ColourControl::Full, false}},
    {QT_TRANSLATE_NOOP("OakColorWindow", "Tri-color running"), {true,  true,  kNone, false}},
};
// clang-format on

bool isOffered(int effect)
{
    return effect >= 0 && effect < kOffered;
}

} // namespace

Controls controlsFor(int effect)
{
    return isOffered(effect) ? kEffects[effect].controls : Controls();
}

const char* labelSource(int effect)
{
    return isOffered(effect) ? kEffects[effect].label : "";
}

QVector<int> menuOrder()
{
    QVector<int> order;
    for (int effect = 1; effect < kOffered; ++effect)
        order.append(effect);
    order.append(kOff);
    return order;
}

bool sharesLightingAcrossProfiles(const QString& modelName)
{
    return modelName == QLatin1String("4750");
}

} // namespace LightingEffects
