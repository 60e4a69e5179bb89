// SPDX-License-Identifier: GPL-3.0-or-later
// Recording and edit mode of the macro page: both take keys from the
// keyboard capture, the recorder to add steps, edit mode to rewrite one.
#include "editors/PageEnvironment.h"
#include "editors/macro/MacroDialog.h"
#include "editors/macro/MacroSettingsPanel.h"
#include "editors/macro/MacroStepTable.h"
#include "platform/KeyboardCapture.h"
#include "protocol/KeyNormalisation.h"
#include "widgets/OakPushButton.h"

#include <QDebug>
#include <QLineEdit>
#include <QListWidget>
#include <QWindow>

KeyboardCapture& MacroDialog::capture()
{
    if (!m_capture) {
        m_capture = environment().makeKeyboardCapture();
        connect(m_capture.get(), &KeyboardCapture::keyCaptured, this, &MacroDialog::onKeyCaptured);
    }
    return *m_capture;
}

void MacroDialog::startRecording(bool afterSelection)
{
    // Without a macro to record into, nothing would keep the steps.
    if (m_recording || m_list->count() == 0)
        return;
    leaveEditMode();
    // Where this system cannot capture keys, recording would only lock the
    // window: say so instead.
    if (!capture().start(window()->windowHandle())) {
        report(tr("Keys cannot be captured on this system, so macros cannot be recorded here."));
        return;
    }
    int row = m_table->selectedRow();
    if (!afterSelection) {
        m_steps.clear();
        row = -1;
    }
    m_recorder.start(m_steps, row, delayRule());
    showSteps(row);
    m_recording = true;
    m_startButton->hide();
    m_stopButton->show();
    setControlsEnabled(false);
    Q_EMIT hostEnabled(false);
}

void MacroDialog::stopRecording()
{
    if (!m_recording)
        return;
    m_recording = false;
    m_stopButton->hide();
    m_startButton->show();
    setControlsEnabled(true);
    Q_EMIT hostEnabled(true);
    capture().stop();
    if (!MacroSteps::allReleased(m_steps.events()))
        report(tr("ONE OR MORE KEYS HAS NOT BEEN RELEASED."));
    saveShownMacro();
}

void MacroDialog::onKeyCaptured(quint16 scanCode, quint8 flags)
{
    if (m_recording)
        recordKey(scanCode, flags);
    else if (m_editing)
        editKey(scanCode, flags);
}

void MacroDialog::recordKey(quint16 scanCode, quint8 flags)
{
    const MacroRecorder::Outcome outcome = m_recorder.onKey(m_steps, scanCode, flags, m_clock());
    qDebug("OnHookKey ret %d %d %d\n", int(outcome), int(scanCode), int(flags));
    if (outcome == MacroRecorder::Outcome::Added)
        showSteps(m_recorder.lastRow());
}

void MacroDialog::enterEditMode()
{
    if (m_recording || !m_steps.isValidRow(m_table->selectedRow()))
        return;
    m_editing = true;
    m_lastEditKey = -1;
    updateEditingBar();
    showEditFields();
}

void MacroDialog::leaveEditMode()
{
    if (!m_editing)
        return;
    m_editing = false;
    if (m_capture && m_capture->isActive())
        m_capture->stop();
    m_editDelay->clear();
    m_editDistance->clear();
    updateEditingBar();
}

void MacroDialog::CurrentChanged(int current, int)
{
    if (m_editing) {
        m_lastEditKey = -1;
        showEditFields();
    }
    if (!m_recording)
        updateEditingBar();
    Q_UNUSED(current)
}

// Shows the selected step's values in the edit fields. Keys are captured
// only while a key step is selected, so that the fields can still be typed in.
void MacroDialog::showEditFields()
{
    const int row = m_table->selectedRow();
    m_editDelay->clear();
    m_editDistance->clear();
    if (!m_steps.isValidRow(row))
        return;
    const MacroEvent& step = m_steps.events().at(row);
    if (step.kind() == MacroEvent::Delay)
        m_editDelay->setText(QString::number(step.delayMs(m_unitMs)));
    else if (step.kind() == MacroEvent::MouseMove)
        m_editDistance->setText(QString::number(MacroSteps::distance(step)));
    followCaptureForEditing();
}

void MacroDialog::followCaptureForEditing()
{
    const int row = m_table->selectedRow();
    const bool keyStep =
        m_editing && m_steps.isValidRow(row) && m_steps.events().at(row).kind() == MacroEvent::Key;
    if (keyStep && !capture().isActive())
        capture().start(window()->windowHandle());
    else if (!keyStep && m_capture && m_capture->isActive())
        m_capture->stop();
}

void MacroDialog::editKey(quint16 scanCode, quint8 flags)
{
    const int key = KeyNormalisation::forMacroRecorder(scanCode, flags);
    if (key == m_lastEditKey)
        return;
    m_lastEditKey = key;
    quint8 usage = 0;
    const int row = m_table->selectedRow();
    if (KeyTable::usageForKey(key, usage) && m_steps.setKey(row, usage))
        showSteps(row);
}

void MacroDialog::EditDelayChanged(const QString& text)
{
    const int ms = text.toInt();
    const int row = m_table->selectedRow();
    // The field accepts 10 to 65535; shorter numbers are still being typed.
    if (m_editing && ms >= 10 && ms <= 65535 && m_steps.setDelay(row, ms, m_unitMs))
        showSteps(row);
}

void MacroDialog::EditMoveChanged(const QString& text)
{
    int distance = text.toInt();
    if (distance > MacroSteps::kMaxMoveDistance) {
        distance = MacroSteps::kMaxMoveDistance;
        m_editDistance->setText(QString::number(distance));
    }
    const int row = m_table->selectedRow();
    if (m_editing && distance >= 1 && m_steps.setMoveDistance(row, distance))
        showSteps(row);
}
