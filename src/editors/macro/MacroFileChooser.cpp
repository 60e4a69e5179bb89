// SPDX-License-Identifier: GPL-3.0-or-later
#include "editors/macro/MacroFileChooser.h"

#include <QCoreApplication>
#include <QFileDialog>

namespace {
QString filter()
{
    return QCoreApplication::translate("MacroDialog", "Macro File(*.MSMACRO)");
}
} // namespace

QString MacroFileDialogs::openFile(QWidget* parent)
{
    return QFileDialog::getOpenFileName(parent, QCoreApplication::translate("MacroDialog", "Load Macro File"),
                                        QString(), filter());
}

QStringList MacroFileDialogs::openFiles(QWidget* parent)
{
    return QFileDialog::getOpenFileNames(
        parent, QCoreApplication::translate("MacroDialog", "Load Macro File"), QString(), filter());
}

QString MacroFileDialogs::saveFile(QWidget* parent, const QString& suggestedName)
{
    return QFileDialog::getSaveFileName(parent, QCoreApplication::translate("MacroDialog", "Save Macro File"),
                                        suggestedName + QStringLiteral(".MSMACRO"), filter());
}

QString MacroFileDialogs::folder(QWidget* parent)
{
    return QFileDialog::getExistingDirectory(parent,
                                             QCoreApplication::translate("MacroDialog", "Save Macro File"));
}
