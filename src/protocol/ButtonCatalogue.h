// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QVector>

struct ButtonAssignment;

// The functions a button can be given, as the button page offers them: the
// menus and their order, what each label shows, and the rule that keeps at
// least one left click on the mouse. Labels are the English texts (the page
// translates them).
class ButtonCatalogue
{
public:
    static constexpr int kFrontFirst = 0;
    static constexpr int kSideFirst = 20;
    static constexpr int kWheelFirst = 40;
    static constexpr int kRecords = 42;

    enum Group
    {
        Front = 0,
        Side = 1,
        Wheel = 2,
    };

    // A main-menu entry: a function code or a submenu (code 0, title set).
    struct MenuEntry
    {
        int function = 0;
        const char* submenu = nullptr;
        QVector<int> submenuFunctions;
    };

    // The main menu in its order; the conditional entries follow the model.
    static QVector<MenuEntry> mainMenu(bool macrosDisabled, bool lightSwitchDisabled);
    static QVector<int> wheelMenu();
    // The submenu built but offered nowhere, for profile switching.
    static QVector<int> profileMenu();

    static Group groupOf(int record);
    static int firstOf(Group group);
    static int recordOf(Group group, int index) { return firstOf(group) + index; }

    // What the label of `record` shows for its stored function: the function's
    // English label, the macro's name for a macro or gun binding, and an empty
    // string for a code the catalogue does not know or a wheel function on a
    // button that is no wheel.
    static QString label(int record, const ButtonAssignment& button);
    // Whether a function needs no fields besides its code.
    static bool isPlain(int function);

    // The left-click guard: false when giving `function` to `record` would
    // leave no button of `buttons` (all 42) with a left click.
    static bool keepsLeftClick(const ButtonAssignment* buttons, int record, int function);
};
