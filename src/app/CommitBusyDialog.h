// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "widgets/OakProcessDialog.h"

#include <QObject>
#include <QPointer>
#include <QString>

class CommitController;
class QWidget;

// Shows the busy dialog over the window for as long as a commit runs, with
// its bar following the transfers. The dialog is modal but opened without a
// nested event loop, so the window keeps painting and the worker's signals
// keep arriving.
class CommitBusyDialog : public QObject
{
    Q_OBJECT
public:
    CommitBusyDialog(CommitController& commit, QWidget* window, const QString& backgroundFile);

    // The dialog of the running commit, or null.
    OakProcessDialog* dialog() const { return m_dialog; }

private:
    void show();
    void progress(int done, int total);
    void close();

    QWidget* m_window;
    QString m_backgroundFile;
    QPointer<OakProcessDialog> m_dialog;
};
