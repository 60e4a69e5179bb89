// SPDX-License-Identifier: GPL-3.0-or-later
// The step table's actions on the macro page: the editing bar, the
// clipboard and the mouse commands. What each does to the steps is decided
// by MacroSteps; this file keeps the selection and the table in step.
#include "editors/PageEnvironment.h"
#include "editors/macro/MacroDialog.h"
#include "editors/macro/MacroSettingsPanel.h"
#include "editors/macro/MacroStepTable.h"
#include "widgets/OakPushButton.h"

#include <QListWidget>

MacroSteps::DelayRule MacroDialog::delayRule() const
{
    return MacroSteps::DelayRule{m_settings->delayType(), m_settings->defaultDelayMs(), m_unitMs};
}

void MacroDialog::showSteps(int selectRow)
{
    const KeyTable::Labels labels =
        KeyTable::labelsFor(environment().ui().languageIndex(), environment().model().frenchLanguage);
    m_table->showSteps(m_steps.events(), m_unitMs, labels);
    m_table->selectRow(selectRow);
    noteShownEdit();
}

void MacroDialog::refuseFullMacro()
{
    report(tr("A macro holds at most %1 steps.").arg(MacroSteps::kMaxSteps));
}

void MacroDialog::insertSteps(const QVector<MacroEvent>& steps)
{
    const int last = m_steps.insertAfter(m_table->selectedRow(), steps);
    if (last < 0) {
        refuseFullMacro();
        return;
    }
    showSteps(last);
}

void MacroDialog::onClickCommand(int button)
{
    if (!m_editing)
        insertSteps(MacroSteps::click(button, delayRule()));
    else if (m_steps.setButton(m_table->selectedRow(), button))
        showSteps(m_table->selectedRow());
}

void MacroDialog::onButtonChangeCommand(int button, bool press)
{
    if (!m_editing)
        insertSteps(MacroSteps::buttonChange(button, press, delayRule()));
    else if (m_steps.setButton(m_table->selectedRow(), button))
        showSteps(m_table->selectedRow());
}

void MacroDialog::onMoveCommand(int direction, int distance)
{
    if (distance < 1)
        return;
    const auto where = MacroSteps::Direction(direction);
    if (!m_editing)
        insertSteps(MacroSteps::move(where, distance, delayRule()));
    else if (m_steps.setMove(m_table->selectedRow(), where, distance))
        showSteps(m_table->selectedRow());
}

void MacroDialog::editingBarAction(QObject* button)
{
    const int row = m_table->selectedRow();
    if (button == m_pasteButton) {
        if (!m_clipboard.isEmpty())
            insertSteps(m_clipboard);
        return;
    }
    if (!m_steps.isValidRow(row))
        return;
    int select = -1;
    if (button == m_deleteButton) {
        select = m_steps.removeRow(row);
    } else if (button == m_moveUpButton) {
        select = m_steps.moveUp(row);
    } else if (button == m_moveDownButton) {
        select = m_steps.moveDown(row);
    } else if (button == m_topButton) {
        select = m_steps.moveToTop(row);
    } else if (button == m_bottomButton) {
        select = m_steps.moveToBottom(row);
    } else if (button == m_clearButton) {
        m_steps.clear();
    } else if (button == m_copyButton) {
        m_clipboard = m_steps.copy(m_table->selectedRows());
        return;
    } else if (button == m_cutButton) {
        select = m_steps.cut(m_table->selectedRows(), &m_clipboard);
    } else if (button == m_insertDelayButton) {
        if (m_list->count() > 0)
            insertSteps({MacroSteps::delay(MacroSteps::kCommandDelayMs, m_unitMs)});
        return;
    } else {
        return;
    }
    showSteps(select < 0 && m_steps.isValidRow(row) ? row : select);
}
