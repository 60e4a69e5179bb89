// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "storage/ProfileData.h"

#include <QtGlobal>

// One field of a profile record, as one key of a profile section names it:
// which member, and for the members in tables the stage, button, step or
// lighting mode.
struct ProfileField
{
    enum Kind : quint8
    {
        Pollrate,
        Dpi,
        LedMode,
        LedMoveOff,
        LedSleepTime,
        MouseSpeed,
        DoubleClickSpeed,
        ScrollIsPage,
        ScrollSpeed,
        AccelEnable,
        Acee,
        StageUsed,
        StageLink,
        StageXy,
        StageX,
        StageY,
        ButtonId,
        ButtonFun,
        ButtonLoopNumber,
        ButtonKeyNumber,
        StepMap,
        StepLow,
        StepHigh,
        ButtonRes1,
        ButtonRes2,
        ButtonRes3,
        ButtonRes4,
        MacroName,
        LedColour,
        LedH,
        LedS,
        LedV,
        LedBright,
        LedBreath,
        ProfileName,
        ProfilePath
    };

    Kind kind = Pollrate;
    quint8 index = 0; // stage, button or lighting mode
    quint8 step = 0;  // step of a button

    // The two keys that configuration files do not carry.
    bool isLightKey() const { return kind == LedMoveOff || kind == LedSleepTime; }
    // Text and colour fields, whose values are never plain numbers.
    bool storesText() const
    {
        return kind == MacroName || kind == LedColour || kind == ProfileName || kind == ProfilePath;
    }
    // What a missing key reads as: 255 and 1 for the light keys, else 0.
    quint8 missingByte() const { return kind == LedMoveOff ? 255 : kind == LedSleepTime ? 1 : 0; }
};

// Calls visit(member) with the field's member of the record: a quint8,
// qint32, quint32, QString or QColor, const when the record is.
template <typename Profile, typename Visit> void visitField(Profile& p, ProfileField f, Visit&& visit)
{
    auto& stage = p.stages[f.index % ProfileData::kStages];
    auto& button = p.buttons[f.index % ProfileData::kButtons];
    auto& step = button.KeyInfo[f.step % ButtonAssignment::kSteps];
    auto& led = p.leds[f.index % ProfileData::kLedModes];
    switch (f.kind) {
    case ProfileField::Pollrate:
        return visit(p.pollrate);
    case ProfileField::Dpi:
        return visit(p.dpi);
    case ProfileField::LedMode:
        return visit(p.LedMode);
    case ProfileField::LedMoveOff:
        return visit(p.LedMoveOFF);
    case ProfileField::LedSleepTime:
        return visit(p.LedSleepTime);
    case ProfileField::MouseSpeed:
        return visit(p.mousespeed);
    case ProfileField::DoubleClickSpeed:
        return visit(p.dbclickspeed);
    case ProfileField::ScrollIsPage:
        return visit(p.scrollispage);
    case ProfileField::ScrollSpeed:
        return visit(p.scrollspeed);
    case ProfileField::AccelEnable:
        return visit(p.accelenable);
    case ProfileField::Acee:
        return visit(p.acee);
    case ProfileField::StageUsed:
        return visit(stage.used);
    case ProfileField::StageLink:
        return visit(stage.link);
    case ProfileField::StageXy:
        return visit(stage.xy);
    case ProfileField::StageX:
        return visit(stage.x);
    case ProfileField::StageY:
        return visit(stage.y);
    case ProfileField::ButtonId:
        return visit(button.ID);
    case ProfileField::ButtonFun:
        return visit(button.Fun);
    case ProfileField::ButtonLoopNumber:
        return visit(button.LoopNumber);
    case ProfileField::ButtonKeyNumber:
        return visit(button.KeyNumber);
    case ProfileField::StepMap:
        return visit(step.Map);
    case ProfileField::StepLow:
        return visit(step.DataL);
    case ProfileField::StepHigh:
        return visit(step.DataH);
    case ProfileField::ButtonRes1:
        return visit(button.Res1);
    case ProfileField::ButtonRes2:
        return visit(button.Res2);
    case ProfileField::ButtonRes3:
        return visit(button.Res3);
    case ProfileField::ButtonRes4:
        return visit(button.Res4);
    case ProfileField::MacroName:
        return visit(button.macroname);
    case ProfileField::LedColour:
        return visit(led.colour);
    case ProfileField::LedH:
        return visit(led.h);
    case ProfileField::LedS:
        return visit(led.s);
    case ProfileField::LedV:
        return visit(led.v);
    case ProfileField::LedBright:
        return visit(led.bright);
    case ProfileField::LedBreath:
        return visit(led.breath);
    case ProfileField::ProfileName:
        return visit(p.ProfileName);
    case ProfileField::ProfilePath:
        return visit(p.ProfilePath);
    }
}
