// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "storage/LanguageConfig.h"

#include <QObject>

class OakPushButton;
class UiSettings;
class QAction;
class QMenu;
class QTranslator;
class QWidget;

// The interface language: installs the configured one at start, and offers
// the others on a button with a menu. Picking one stores the choice and, when
// its translation loads, asks the window to retranslate.
class LanguageSwitcher : public QObject
{
    Q_OBJECT

public:
    LanguageSwitcher(const AppPaths& paths, UiSettings& ui, QWidget* window);

    // The button, placed on the window; hidden with fewer than two languages.
    OakPushButton* button() const { return m_button; }
    // Loads and installs the translation of the current language.
    void installCurrent();

Q_SIGNALS:
    void languageChanged();

private:
    void choose(QAction* action);
    bool load(int languageIndex);

    AppPaths m_paths;
    UiSettings& m_ui;
    LanguageTable m_languages;
    QTranslator* m_translator;
    OakPushButton* m_button;
    QMenu* m_menu;
};
