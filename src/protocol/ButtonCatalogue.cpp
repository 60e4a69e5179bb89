// SPDX-License-Identifier: GPL-3.0-or-later
#include "protocol/ButtonCatalogue.h"

#include "protocol/FunctionNames.h"
#include "protocol/FunctionTable.h"
#include "storage/ButtonAssignment.h"

namespace {

constexpr int kLeft = 1;
constexpr int kScrollUp = 52;
constexpr int kScrollDown = 53;
constexpr int kLightSwitch = 54;

} // namespace

QVector<ButtonCatalogue::MenuEntry> ButtonCatalogue::mainMenu(bool macrosDisabled, bool lightSwitchDisabled)
{
    QVector<MenuEntry> menu;
    for (int function : {1, 2, 3, 4, 5})
        menu.append({function, nullptr, {}});
    menu.append({0, QT_TRANSLATE_NOOP("OakBtnWindow", "Basic"), {17, 18, 19, 20, 21, 22, 23, 24}});
    menu.append({0,
                 QT_TRANSLATE_NOOP("OakBtnWindow", "Windows"),
                 {25, 26, 27, 28, 29, 30, 31, 32, 33, 34, 35, 36, 37, 38, 62}});
    // The sniper entry is built for this submenu but never listed in it.
    menu.append({0,
                 QT_TRANSLATE_NOOP("OakBtnWindow", "Advance"),
                 {FunctionTable::SingleKey, FunctionTable::KeyCombination, FunctionTable::FireKey}});
    menu.append({0, QT_TRANSLATE_NOOP("OakBtnWindow", "Media"), {39, 40, 41, 42, 43, 44, 45, 46}});
    menu.append({0, QT_TRANSLATE_NOOP("OakBtnWindow", "DPI"), {47, 48, 49}});
    menu.append({0, QT_TRANSLATE_NOOP("OakBtnWindow", "Polling Rate"), {63, 50, 51}});
    if (!macrosDisabled)
        menu.append({FunctionTable::Macro, nullptr, {}});
    if (!lightSwitchDisabled)
        menu.append({kLightSwitch, nullptr, {}});
    menu.append({FunctionTable::ButtonOff, nullptr, {}});
    return menu;
}

QVector<int> ButtonCatalogue::wheelMenu()
{
    return {kScrollUp,
            kScrollDown,
            43,
            44,
            1,
            2,
            3,
            4,
            5,
            FunctionTable::SingleKey,
            FunctionTable::KeyCombination};
}

QVector<int> ButtonCatalogue::profileMenu()
{
    return {57, 58, 59};
}

ButtonCatalogue::Group ButtonCatalogue::groupOf(int record)
{
    if (record >= kWheelFirst)
        return Wheel;
    return record >= kSideFirst ? Side : Front;
}

int ButtonCatalogue::firstOf(Group group)
{
    switch (group) {
    case Side:
        return kSideFirst;
    case Wheel:
        return kWheelFirst;
    case Front:
        break;
    }
    return kFrontFirst;
}

QString ButtonCatalogue::label(int record, const ButtonAssignment& button)
{
    if (button.Fun == FunctionTable::Macro || button.Fun == FunctionTable::GunMacro)
        return button.macroname;
    if ((button.Fun == kScrollUp || button.Fun == kScrollDown) && groupOf(record) != Wheel)
        return QString();
    return FunctionNames::label(button.Fun);
}

bool ButtonCatalogue::isPlain(int function)
{
    switch (function) {
    case FunctionTable::SingleKey:
    case FunctionTable::KeyCombination:
    case FunctionTable::FireKey:
    case FunctionTable::Sniper:
    case FunctionTable::Macro:
    case FunctionTable::GunMacro:
        return false;
    default:
        return !FunctionNames::label(function).isEmpty();
    }
}

bool ButtonCatalogue::keepsLeftClick(const ButtonAssignment* buttons, int record, int function)
{
    if (record < 0 || record >= kRecords || buttons[record].Fun != kLeft || function == kLeft)
        return true;
    for (int other = 0; other < kRecords; ++other) {
        if (other != record && buttons[other].Fun == kLeft)
            return true;
    }
    return false;
}
