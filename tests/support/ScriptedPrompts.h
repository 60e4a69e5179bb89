// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "editors/UserPrompts.h"

#include <QStringList>

// Answers the window and its pages as a user would, from a script: questions
// are confirmed unless told otherwise, questions with answers of their own
// take `answer`, file dialogs return the queued paths (empty, as a cancelled
// dialog, when none is queued). Records what was said, and under which title.
class ScriptedPrompts : public UserPrompts
{
public:
    bool ask(const QString& message, const QString& title = QString()) override
    {
        asked.append(message);
        titles.append(title);
        return confirm;
    }
    void tell(const QString& message, const QString& title = QString()) override
    {
        told.append(message);
        titles.append(title);
    }
    int choose(const QString& message, const QStringList& answers) override
    {
        asked.append(message);
        titles.append(QString());
        offered = answers;
        return answer;
    }
    QString openFile(const QString& title, const QString& filter) override { return next(title, filter); }
    QString saveFile(const QString& title, const QString& filter) override { return next(title, filter); }

    // Everything shown in a box, questions and messages in order of kind.
    QStringList shown() const { return asked + told; }
    void clear()
    {
        asked.clear();
        told.clear();
        titles.clear();
        dialogs.clear();
    }

    bool confirm = true;
    int answer = 0;
    QStringList paths;
    QStringList asked;
    QStringList told;
    QStringList titles; // of every box, in order; empty is "Warning"
    QStringList offered;
    QStringList dialogs; // "title|filter" of each file dialog

private:
    QString next(const QString& title, const QString& filter)
    {
        dialogs.append(title + QLatin1Char('|') + filter);
        return paths.isEmpty() ? QString() : paths.takeFirst();
    }
};
