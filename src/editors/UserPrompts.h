// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>

// What the window and its pages ask of the user: questions, messages and
// file choices. The window answers with its message boxes and the desktop's
// file dialogs; tests answer with scripted replies.
class UserPrompts
{
public:
    virtual ~UserPrompts() = default;

    // A question with a confirming and a rejecting answer: true when the
    // user confirms. An empty title is "Warning".
    virtual bool ask(const QString& message, const QString& title = QString()) = 0;
    // A message with one answer. An empty title is "Warning".
    virtual void tell(const QString& message, const QString& title = QString()) = 0;
    // A question with answers of its own, the first the one that goes on:
    // the index of the answer taken, or -1 when the user closed the box.
    virtual int choose(const QString& message, const QStringList& answers) = 0;
    // The desktop's file dialogs; an empty path when the user cancels. A
    // save dialog has asked already whether an existing file may be replaced.
    virtual QString openFile(const QString& title, const QString& filter) = 0;
    virtual QString saveFile(const QString& title, const QString& filter) = 0;
};
