#pragma once

#include "app/UserPrompts.h"

class QWidget;
class UiSettings;

// The window's answers to the profile operations' questions: the kit's
// message boxes and the desktop's file dialogs.
class BasicPrompts : public UserPrompts
{
public:
    BasicPrompts(QWidget* window, const UiSettings& ui) : m_window(window), m_ui(ui) {}

    bool ask(const QString& message) override;
    void tell(const QString& message) override;
    QString openFile(const QString& title, const QString& filter) override;
    QString saveFile(const QString& title, const QString& filter) override;

private:
    QWidget* m_window;
    const UiSettings& m_ui;
};
