// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QVector>

class OakPushButton;
class UiSettings;
class QWidget;

// The four tab buttons of the header, "LIGHTING", "CUSTOMIZE", "DPI" and
// "MACRO": a tab is chosen as its button goes down, and the tab shown is
// highlighted.
class TabBar : public QObject
{
    Q_OBJECT
public:
    static constexpr int kTabs = 4;

    TabBar(const UiSettings& ui, QWidget* window);

    void place();
    void retranslate();
    void setEnabled(bool enabled);
    // Highlights the button of the tab shown, no other.
    void highlight(int tab);
    // Marks a tab whose page shows changes not applied yet.
    void markUnsaved(int tab, bool unsaved);
    OakPushButton* button(int tab) const { return m_buttons.value(tab); }

Q_SIGNALS:
    void tabChosen(int tab);

private:
    const UiSettings& m_ui;
    QVector<OakPushButton*> m_buttons;
};
