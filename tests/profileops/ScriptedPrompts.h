#pragma once

#include "app/UserPrompts.h"

#include <QStringList>

// Answers the profile operations as a user would, from a script: questions
// are confirmed unless told otherwise, file dialogs return the queued paths
// (empty, as a cancelled dialog, when none is queued). Records what was said.
class ScriptedPrompts : public UserPrompts
{
public:
    bool ask(const QString& message) override
    {
        asked.append(message);
        return confirm;
    }
    void tell(const QString& message) override { told.append(message); }
    QString openFile(const QString& title, const QString& filter) override { return next(title, filter); }
    QString saveFile(const QString& title, const QString& filter) override { return next(title, filter); }

    // Everything shown in a box, questions and messages in order of kind.
    QStringList shown() const { return asked + told; }
    void clear()
    {
        asked.clear();
        told.clear();
        dialogs.clear();
    }

    bool confirm = true;
    QStringList paths;
    QStringList asked;
    QStringList told;
    QStringList dialogs; // "title|filter" of each file dialog

private:
    QString next(const QString& title, const QString& filter)
    {
        dialogs.append(title + QLatin1Char('|') + filter);
        return paths.isEmpty() ? QString() : paths.takeFirst();
    }
};
