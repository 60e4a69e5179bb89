#pragma once

#include "app/UserPrompts.h"

#include <QCoreApplication>

class QWidget;
class UiSettings;

// The window's answers to UserPrompts: the program's own message boxes
// (title "Warning") over the window, and the desktop's file dialogs.
class WindowPrompts : public UserPrompts
{
    Q_DECLARE_TR_FUNCTIONS(WindowPrompts)
public:
    WindowPrompts(QWidget* window, const UiSettings& ui);

    bool ask(const QString& message) override;
    void tell(const QString& message) override;
    QString openFile(const QString& title, const QString& filter) override;
    QString saveFile(const QString& title, const QString& filter) override;

    // "prof" for "Profile File(*.prof)": the extension a saved file gets
    // when the user typed none.
    static QString suffixOf(const QString& filter);

private:
    bool show(int kind, const QString& message);

    QWidget* m_window;
    const UiSettings& m_ui;
};
