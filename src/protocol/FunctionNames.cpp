#include "protocol/FunctionNames.h"

namespace {

struct FunctionLabel
{
    int function;
    const char* label;
};

const FunctionLabel kLabels[] = {
    {1, "Left"},
    {2, "Right"},
    {3, "Middle"},
    {4, "Forward"},
    {5, "Back"},
    {6, "SINGLE KEY"},
    {7, "COMBO KEY"},
    {12, "FIRE KEY"},
    {16, "Button Off"},
    {17, "Cut"},
    {18, "Copy"},
    {19, "Paste"},
    {20, "All"},
    {21, "Find"},
    {22, "New"},
    {23, "Print"},
    {24, "Save"},
    {25, "Switch Window"},
    {26, "Close Window"},
    {27, "My Computer"},
    {28, "Run"},
    {29, "Show Desktop"},
    {30, "Lock PC"},
    {31, "Browser Home"},
    {32, "Browser Backward"},
    {33, "Browser Forward"},
    {34, "Browser Stop"},
    {35, "Browser Refresh"},
    {36, "Browser Search"},
    {37, "Browser Favorite"},
    {38, "Mail"},
    {62, "Boss Key"},
    {39, "Play/Pause"},
    {40, "Stop"},
    {41, "Previous Track"},
    {42, "Next Track"},
    {43, "Volume Up"},
    {44, "Volume Down"},
    {45, "Mute"},
    {46, "Media Player"},
    {47, "DPI Switch"},
    {48, "DPI +"},
    {49, "DPI -"},
    {63, "Rate Switch"},
    {50, "Rate +"},
    {51, "Rate -"},
    {52, "Scroll Up"},
    {53, "Scroll Down"},
    {54, "Led Switch"},
    {55, "SNIPER"},
    {57, "Profile +"},
    {58, "Profile -"},
    {59, "Profile Switch"},
    {200, "Macro Manager"},
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
