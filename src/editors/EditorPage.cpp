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

void EditorPage::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LanguageChange)
        retranslate();
    QWidget::changeEvent(event);
}
