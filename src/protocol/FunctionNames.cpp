// SPDX-License-Identifier: GPL-3.0-or-later
#include "protocol/FunctionNames.h"

namespace {

struct FunctionLabel
{
    int function;
    const char* label;
};

const FunctionLabel kLabels[] = {
    {1, QT_TRANSLATE_NOOP("OakBtnWindow", "Left")},
    {2, QT_TRANSLATE_NOOP("OakBtnWindow", "Right")},
    {3, QT_TRANSLATE_NOOP("OakBtnWindow", "Middle")},
    {4, QT_TRANSLATE_NOOP("OakBtnWindow", "Forward")},
    {5, QT_TRANSLATE_NOOP("OakBtnWindow", "Back")},
    {6, QT_TRANSLATE_NOOP("OakBtnWindow", "SINGLE KEY")},
    {7, QT_TRANSLATE_NOOP("OakBtnWindow", "COMBO KEY")},
    {12, QT_TRANSLATE_NOOP("OakBtnWindow", "FIRE KEY")},
    {16, QT_TRANSLATE_NOOP("OakBtnWindow", "Button Off")},
    {17, QT_TRANSLATE_NOOP("OakBtnWindow", "Cut")},
    {18, QT_TRANSLATE_NOOP("OakBtnWindow", "Copy")},
    {19, QT_TRANSLATE_NOOP("OakBtnWindow", "Paste")},
    {20, QT_TRANSLATE_NOOP("OakBtnWindow", "All")},
    {21, QT_TRANSLATE_NOOP("OakBtnWindow", "Find")},
    {22, QT_TRANSLATE_NOOP("OakBtnWindow", "New")},
    {23, QT_TRANSLATE_NOOP("OakBtnWindow", "Print")},
    {24, QT_TRANSLATE_NOOP("OakBtnWindow", "Save")},
    {25, QT_TRANSLATE_NOOP("OakBtnWindow", "Switch Window")},
    {26, QT_TRANSLATE_NOOP("OakBtnWindow", "Close Window")},
    {27, QT_TRANSLATE_NOOP("OakBtnWindow", "My Computer")},
    {28, QT_TRANSLATE_NOOP("OakBtnWindow", "Run")},
    {29, QT_TRANSLATE_NOOP("OakBtnWindow", "Show Desktop")},
    {30, QT_TRANSLATE_NOOP("OakBtnWindow", "Lock PC")},
    {31, QT_TRANSLATE_NOOP("OakBtnWindow", "Browser Home")},
    {32, QT_TRANSLATE_NOOP("OakBtnWindow", "Browser Backward")},
    {33, QT_TRANSLATE_NOOP("OakBtnWindow", "Browser Forward")},
    {34, QT_TRANSLATE_NOOP("OakBtnWindow", "Browser Stop")},
    {35, QT_TRANSLATE_NOOP("OakBtnWindow", "Browser Refresh")},
    {36, QT_TRANSLATE_NOOP("OakBtnWindow", "Browser Search")},
    {37, QT_TRANSLATE_NOOP("OakBtnWindow", "Browser Favorite")},
    {38, QT_TRANSLATE_NOOP("OakBtnWindow", "Mail")},
    {62, QT_TRANSLATE_NOOP("OakBtnWindow", "Boss Key")},
    {39, QT_TRANSLATE_NOOP("OakBtnWindow", "Play/Pause")},
    {40, QT_TRANSLATE_NOOP("OakBtnWindow", "Stop")},
    {41, QT_TRANSLATE_NOOP("OakBtnWindow", "Previous Track")},
    {42, QT_TRANSLATE_NOOP("OakBtnWindow", "Next Track")},
    {43, QT_TRANSLATE_NOOP("OakBtnWindow", "Volume Up")},
    {44, QT_TRANSLATE_NOOP("OakBtnWindow", "Volume Down")},
    {45, QT_TRANSLATE_NOOP("OakBtnWindow", "Mute")},
    {46, QT_TRANSLATE_NOOP("OakBtnWindow", "Media Player")},
    {47, QT_TRANSLATE_NOOP("OakBtnWindow", "DPI Switch")},
    {48, QT_TRANSLATE_NOOP("OakBtnWindow", "DPI +")},
    {49, QT_TRANSLATE_NOOP("OakBtnWindow", "DPI -")},
    {63, QT_TRANSLATE_NOOP("OakBtnWindow", "Rate Switch")},
    {50, QT_TRANSLATE_NOOP("OakBtnWindow", "Rate +")},
    {51, QT_TRANSLATE_NOOP("OakBtnWindow", "Rate -")},
    {52, QT_TRANSLATE_NOOP("OakBtnWindow", "Scroll Up")},
    {53, QT_TRANSLATE_NOOP("OakBtnWindow", "Scroll Down")},
    {54, QT_TRANSLATE_NOOP("OakBtnWindow", "Led Switch")},
    {55, QT_TRANSLATE_NOOP("OakBtnWindow", "SNIPER")},
    {57, QT_TRANSLATE_NOOP("OakBtnWindow", "Profile +")},
    {58, QT_TRANSLATE_NOOP("OakBtnWindow", "Profile -")},
    {59, QT_TRANSLATE_NOOP("OakBtnWindow", "Profile Switch")},
    {200, QT_TRANSLATE_NOOP("OakBtnWindow", "Macro Manager")},
};

} // namespace

QString FunctionNames::label(int function)
{
    for (const FunctionLabel& entry : kLabels) {
        if (entry.function == function)
            return QString::fromLatin1(entry.label);
    }
    return QString();
}
