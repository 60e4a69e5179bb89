// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/LanguageSwitcher.h"

#include "widgets/OakPushButton.h"
#include "widgets/UiSettings.h"

#include <QCoreApplication>
#include <QDebug>
#include <QMenu>
#include <QTranslator>

LanguageSwitcher::LanguageSwitcher(const AppPaths& paths, UiSettings& ui, QWidget* window)
    : QObject(window), m_paths(paths), m_ui(ui), m_translator(new QTranslator(this)),
      m_button(new OakPushButton(window)), m_menu(new QMenu(window))
{
    LanguageConfig languages(m_paths);
    m_ui.setLanguageIndex(languages.languageIndex());
    m_languages = languages.languageTable();

    const UiScale& s = m_ui.scale();
    m_button->setObjectName(QStringLiteral("languageButton"));
    m_button->setImages(m_paths.skinFile(QStringLiteral("lang.png")));
    m_button->setGeometry(s.scaled(900), s.scaled(18), s.scaled(24), s.scaled(24));
    for (int i = 0; i < m_languages.count; ++i)
        m_menu->addAction(m_languages.names[i]);
    connect(m_menu, &QMenu::triggered, this, &LanguageSwitcher::choose);
    m_button->setMenu(m_menu);
    m_button->setVisible(m_languages.count >= 2);
}

bool LanguageSwitcher::load(int languageIndex)
{
    const QString file = LanguageConfig(m_paths).translationFile(languageIndex);
    return !file.isEmpty() && m_translator->load(file);
}

void LanguageSwitcher::installCurrent()
{
    if (load(m_ui.languageIndex()))
        QCoreApplication::installTranslator(m_translator);
}

// The choice is kept even when its translation cannot be loaded; the
// interface then stays as it is.
void LanguageSwitcher::choose(QAction* action)
{
    const int index = m_menu->actions().indexOf(action);
    if (index < 0)
        return;
    const bool loaded = load(index);
    m_ui.setLanguageIndex(index);
    m_button->setToolTip(action->text());
    const StorageResult stored = LanguageConfig(m_paths).setLanguageIndex(index);
    if (!stored.isOk())
        qWarning().noquote() << stored.errorMessage();
    if (!loaded)
        return;
    QCoreApplication::installTranslator(m_translator);
    Q_EMIT languageChanged();
}
