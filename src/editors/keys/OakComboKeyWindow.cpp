// SPDX-License-Identifier: GPL-3.0-or-later
#include "editors/keys/OakComboKeyWindow.h"

#include "protocol/KeyNormalisation.h"

#include <QLabel>
#include <QStringList>

OakComboKeyWindow::OakComboKeyWindow(const PageEnvironment& environment, QWidget* parent)
    : KeyDialogFrame(environment, parent, tr("Combo Key"), QSize(400, 258))
{
    m_hint = new QLabel(tr("Hold the modifiers and press the key."), this);
    m_hint->setObjectName(QStringLiteral("keyHint"));
    m_hint->setGeometry(scaled(24), scaled(60), scaled(352), scaled(28));
    m_display = makeKeyDisplay(QStringLiteral("keyDisplay"));
    m_display->setAccessibleName(tr("Captured combination"));
    m_display->setGeometry(scaled(24), scaled(100), scaled(352), scaled(56));
    m_display->setWordWrap(true);
    setCapturing(true);
    m_display->setFocus();
}

void OakComboKeyWindow::preset(const ButtonAssignment& button)
{
    m_result = ComboKeys::fromSteps(button);
    m_held = m_result;
    showCombination(m_result);
}

QString OakComboKeyWindow::shownText() const
{
    return m_display->text();
}

void OakComboKeyWindow::keyCaptured(quint8 keyCode, quint8 flags)
{
    qDebug("OakComboKeyWindow dwVCode = %x dwFlag = %x", keyCode, flags);
    if (m_firstEvent) {
        m_firstEvent = false;
        m_held.clear();
    }
    // A press is any event without the release bit: an extended key pressed
    // while Alt is held (flags 0x21, the right Alt itself among them) is a
    // press too.
    if (!KeyNormalisation::isPress(flags)) {
        m_held.release(keyCode);
        return;
    }
    m_held.press(keyCode);
    m_result = m_held;
    showCombination(m_result);
}

void OakComboKeyWindow::showCombination(const ComboKeys& combo)
{
    QStringList names;
    for (int code : combo.shownCodes())
        names << keyName(code);
    m_display->setText(names.join(QStringLiteral(" + ")));
}
