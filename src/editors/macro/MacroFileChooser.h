// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>

class QWidget;

// Where the macro editor asks the user for files and folders. The editor
// takes any chooser, so that tests answer in place of the system's dialogs.
// Every answer is empty when the user cancels.
class MacroFileChooser
{
public:
    virtual ~MacroFileChooser() = default;
    virtual QString openFile(QWidget* parent) = 0;
    virtual QStringList openFiles(QWidget* parent) = 0;
    virtual QString saveFile(QWidget* parent, const QString& suggestedName) = 0;
    virtual QString folder(QWidget* parent) = 0;
};

// The chooser with the toolkit's file dialogs.
class MacroFileDialogs : public MacroFileChooser
{
public:
    QString openFile(QWidget* parent) override;
    QStringList openFiles(QWidget* parent) override;
    QString saveFile(QWidget* parent, const QString& suggestedName) override;
    QString folder(QWidget* parent) override;
};
