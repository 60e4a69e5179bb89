// SPDX-License-Identifier: GPL-3.0-or-later
#include "editors/buttons/ButtonAssigner.h"

#include "editors/PageEnvironment.h"
#include "editors/buttons/OakMacroSelect.h"
#include "editors/keys/OakComboKeyWindow.h"
#include "editors/keys/OakFireKeyWindow.h"
#include "editors/keys/OakSingleKeyWindow.h"
#include "editors/keys/OakSniperWindow.h"
#include "protocol/ButtonCatalogue.h"
#include "protocol/FunctionTable.h"
#include "storage/ButtonAssignment.h"
#include "storage/MacroFiles.h"
#include "storage/MacroList.h"

ButtonAssigner::ButtonAssigner(const PageEnvironment& environment, QWidget* dialogParent)
    : m_environment(environment), m_parent(dialogParent)
{
}

ButtonAssigner::Outcome ButtonAssigner::assign(ButtonAssignment& button, int function)
{
    bool changed = false;
    switch (function) {
    case FunctionTable::Macro:
        if (MacroList(m_environment.paths()).names().isEmpty())
            return NoMacros;
        changed = assignMacro(button);
        break;
    case FunctionTable::SingleKey:
        changed = assignSingleKey(button);
        break;
    case FunctionTable::KeyCombination:
        changed = assignCombo(button);
        break;
    case FunctionTable::FireKey:
        changed = assignFireKey(button);
        break;
    case FunctionTable::Sniper:
        changed = assignSniper(button);
        break;
    default:
        changed = ButtonCatalogue::isPlain(function);
        if (changed)
            button.Fun = function;
        break;
    }
    return changed ? Changed : Unchanged;
}

bool ButtonAssigner::assignMacro(ButtonAssignment& button)
{
    OakMacroSelect dialog(m_environment, MacroList(m_environment.paths()).names(), m_parent);
    if (button.Fun == FunctionTable::Macro)
        dialog.preset(button.macroname, button.LoopNumber, button.Res1, button.Res2 == 1);
    if (dialog.exec() != QDialog::Accepted)
        return false;
    button.Fun = FunctionTable::Macro;
    button.LoopNumber = dialog.loopCount();
    button.Res1 = quint8(dialog.loopMode());
    button.macroname = dialog.macroName();
    button.Res2 = dialog.leftButtonMacro() ? 1 : 0;
    if (button.Res2 == 1) {
        button.Res1 = 0;
        button.LoopNumber = 1;
    }
    button.setMacroSteps(MacroFiles(m_environment.paths()).readEvents(button.macroname));
    return true;
}

bool ButtonAssigner::assignSingleKey(ButtonAssignment& button)
{
    OakSingleKeyWindow dialog(m_environment, m_parent);
    if (button.Fun == FunctionTable::SingleKey)
        dialog.preset(button.Res1);
    if (dialog.exec() != QDialog::Accepted)
        return false;
    button.Res1 = dialog.keyCode();
    button.Fun = FunctionTable::SingleKey;
    qDebug("%d", button.Res1);
    return true;
}

bool ButtonAssigner::assignCombo(ButtonAssignment& button)
{
    OakComboKeyWindow dialog(m_environment, m_parent);
    if (button.Fun == FunctionTable::KeyCombination)
        dialog.preset(button);
    if (dialog.exec() != QDialog::Accepted)
        return false;
    dialog.combination().writeSteps(button);
    button.Fun = FunctionTable::KeyCombination;
    return true;
}

bool ButtonAssigner::assignFireKey(ButtonAssignment& button)
{
    OakFireKeyWindow dialog(m_environment, m_parent);
    if (button.Fun == FunctionTable::FireKey)
        dialog.preset(button);
    if (dialog.exec() != QDialog::Accepted)
        return false;
    dialog.fireKey().writeTo(button);
    return true;
}

bool ButtonAssigner::assignSniper(ButtonAssignment& button)
{
    OakSniperWindow dialog(m_environment, m_parent);
    if (button.Fun == FunctionTable::Sniper)
        dialog.preset(button.Res1);
    if (dialog.exec() != QDialog::Accepted)
        return false;
    button.Res1 = quint8(dialog.level());
    button.Fun = FunctionTable::Sniper;
    return true;
}
