// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/TabBar.h"

#include "app/WindowControls.h"

namespace {
const char* const kObjectNames[TabBar::kTabs] = {"lightingTab", "customizeTab", "dpiTab", "macroTab"};
}

TabBar::TabBar(const UiSettings& ui, QWidget* window) : QObject(window), m_ui(ui)
{
    for (int tab = 0; tab < kTabs; ++tab) {
        OakPushButton* button = WindowControls::textButton(window, kObjectNames[tab], ui);
        // Pressed, not released: the page is there by the time the button
        // comes up. A click from the keyboard has no press of its own.
        connect(button, &QPushButton::pressed, this, [this, tab] { Q_EMIT tabChosen(tab); });
        connect(button, &QPushButton::clicked, this, [this, tab] { Q_EMIT tabChosen(tab); });
        m_buttons.append(button);
    }
    place();
    retranslate();
}

void TabBar::place()
{
    for (int tab = 0; tab < kTabs; ++tab)
        WindowControls::place(m_buttons[tab], m_ui, QRect(296 + 144 * tab, 20, 136, 36));
}

void TabBar::retranslate()
{
    m_buttons[0]->setText(tr("LIGHTING"));
    m_buttons[1]->setText(tr("CUSTOMIZE"));
    m_buttons[2]->setText(tr("DPI"));
    m_buttons[3]->setText(tr("MACRO"));
    for (OakPushButton* button : m_buttons)
        button->setAccessibleName(button->text());
}

void TabBar::setEnabled(bool enabled)
{
    for (OakPushButton* button : m_buttons)
        button->setEnabled(enabled);
}

void TabBar::markUnsaved(int tab, bool unsaved)
{
    if (OakPushButton* button = m_buttons.value(tab))
        button->setMarked(unsaved, tr("Changes not applied yet"));
}

void TabBar::highlight(int tab)
{
    for (int i = 0; i < kTabs; ++i)
        m_buttons[i]->setHighlighted(i == tab);
}
