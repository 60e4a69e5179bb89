// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class PageEnvironment;
class QWidget;
struct ButtonAssignment;

// Gives a button record a function of the catalogue: plain functions at
// once, the others through their dialog (key, combination, fire key, sniper
// level, macro), preset from the record when it holds that function already.
// A rejected dialog leaves the record as it was.
class ButtonAssigner
{
public:
    enum Outcome
    {
        Changed,
        Unchanged,
        NoMacros // a macro is wanted but the macro list is empty
    };

    ButtonAssigner(const PageEnvironment& environment, QWidget* dialogParent);

    Outcome assign(ButtonAssignment& button, int function);

private:
    bool assignMacro(ButtonAssignment& button);
    bool assignSingleKey(ButtonAssignment& button);
    bool assignCombo(ButtonAssignment& button);
    bool assignFireKey(ButtonAssignment& button);
    bool assignSniper(ButtonAssignment& button);

    const PageEnvironment& m_environment;
    QWidget* m_parent;
};
