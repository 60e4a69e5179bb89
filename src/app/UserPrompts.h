#pragma once

#include <QString>

// What the profile operations ask of the user: questions, messages and file
// choices. The window answers with its message boxes and the desktop's file
// dialogs; tests answer with scripted replies.
class UserPrompts
{
public:
    virtual ~UserPrompts() = default;

    // A kind-1 box ("Warning" title): true when the user confirms.
    virtual bool ask(const QString& message) = 0;
    // A kind-2 box ("Warning" title).
    virtual void tell(const QString& message) = 0;
    // The desktop's file dialogs; an empty path when the user cancels.
    virtual QString openFile(const QString& title, const QString& filter) = 0;
    virtual QString saveFile(const QString& title, const QString& filter) = 0;
};
