// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QVector>
#include <QtGlobal>

// The lighting effects a profile can choose, and what each one lets the
// user set. The mouse knows fourteen effect slots; the first twelve are
// offered.
namespace LightingEffects {

constexpr int kOff = 0;
constexpr int kSlots = 14;   // entries of a profile's lighting table
constexpr int kOffered = 12; // effects 0 to 11 are in the menu

constexpr int kMinBrightness = 1;
constexpr int kMaxBrightness = 3;
constexpr int kMinSpeed = 1;
constexpr int kMaxSpeed = 5;

// The light-off flag: 0 puts the lights out while the mouse moves.
constexpr quint8 kMoveLightOff = 0;
constexpr quint8 kMoveLightOn = 255;

enum class ColourControl
{
    None,
    SwatchOnly, // the swatch without its caption
    Full
};

struct Controls
{
    bool brightness = false;
    bool speed = false;
    ColourControl colour = ColourControl::None;
    // The speed row takes the place of the hidden brightness row.
    bool speedInBrightnessRow = false;
};

// What an effect shows; an effect outside the offered ones shows nothing.
Controls controlsFor(int effect);

// The untranslated menu label (translation context "OakColorWindow"); empty
// for the slots that are never offered.
const char* labelSource(int effect);

// The menu's order: every offered effect by index, "OFF" last.
QVector<int> menuOrder();

// The flag stored for the "lights out on move" box and back.
constexpr quint8 moveLightOffFlag(bool checked)
{
    return checked ? kMoveLightOff : kMoveLightOn;
}
constexpr bool isMoveLightOff(quint8 flag)
{
    return flag == kMoveLightOff;
}

// The model whose lighting is one for all five profiles: its lighting is
// kept in the first profile.
bool sharesLightingAcrossProfiles(const QString& modelName);

} // namespace LightingEffects
