// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "editors/UserPrompts.h"

#include <QCoreApplication>

#include <memory>

class QFileDialog;
class QWidget;
class UiSettings;

// The window's answers to UserPrompts: the program's own message boxes
// over the window, and the desktop's file dialogs in the window's look.
class WindowPrompts : public UserPrompts
{
    Q_DECLARE_TR_FUNCTIONS(WindowPrompts)
public:
    WindowPrompts(QWidget* window, const UiSettings& ui);

    bool ask(const QString& message, const QString& title = QString()) override;
    void tell(const QString& message, const QString& title = QString()) override;
    int choose(const QString& message, const QStringList& answers) override;
    QString openFile(const QString& title, const QString& filter) override;
    QString saveFile(const QString& title, const QString& filter) override;

    // "prof" for "Profile File(*.prof)": the extension a saved file gets
    // when the user typed none.
    static QString suffixOf(const QString& filter);
    // The dialog openFile() and saveFile() run, over the window.
    std::unique_ptr<QFileDialog> fileDialog(const QString& title, const QString& filter, bool save) const;

private:
    // The box's result: accepted or rejected, or the answer's index.
    int show(int kind, const QString& message, const QString& title, const QStringList& answers = {});

    QWidget* m_window;
    const UiSettings& m_ui;
};
