// SPDX-License-Identifier: GPL-3.0-or-later
#include "editors/EditorPage.h"

#include <QEvent>

EditorPage::EditorPage(const PageEnvironment& environment, QWidget* parent)
    : QWidget(parent), m_environment(environment)
{
}

void EditorPage::collect(ProfileSet&) {}

bool EditorPage::hasPendingEdits() const
{
    return false;
}

void EditorPage::discardEdits() {}

void EditorPage::reinitialise() {}

void EditorPage::rescale() {}

void EditorPage::showActiveStage(int) {}

void EditorPage::rescaleWhenShown()
{
    if (isHidden())
        m_rescaleDue = true;
    else
        rescale();
}

// A page of another tab is hidden; what it missed meanwhile comes as it is
// shown (before it paints).
bool EditorPage::event(QEvent* event)
{
    if (event->type() == QEvent::ShowToParent) {
        if (m_retranslateDue) {
            m_retranslateDue = false;
            retranslate();
        }
        if (m_rescaleDue) {
            m_rescaleDue = false;
            rescale();
        }
    }
    return QWidget::event(event);
}

void EditorPage::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LanguageChange) {
        if (isHidden())
            m_retranslateDue = true;
        else
            retranslate();
    }
    QWidget::changeEvent(event);
}
