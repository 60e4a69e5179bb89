// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/CommitBusyDialog.h"

#include "app/CommitController.h"
#include "widgets/OakProcessDialog.h"
#include "widgets/UiScale.h"

#include <QWidget>

CommitBusyDialog::CommitBusyDialog(CommitController& commit, QWidget* window, const QString& backgroundFile)
    : QObject(&commit), m_window(window), m_backgroundFile(backgroundFile)
{
    connect(&commit, &CommitController::started, this, &CommitBusyDialog::show);
    connect(&commit, &CommitController::progress, this, &CommitBusyDialog::progress);
    connect(&commit, &CommitController::finished, this, &CommitBusyDialog::close);
}

void CommitBusyDialog::show()
{
    close();
    // The window's own scale rule, from the logical DPI of its screen.
    const double scale = m_window ? UiScale::forLogicalDpi(m_window->logicalDpiY()).factor : 1.0;
    m_dialog = new OakProcessDialog(m_backgroundFile, m_window, scale);
    m_dialog->setObjectName(QStringLiteral("processDialog"));
    m_dialog->setAttribute(Qt::WA_DeleteOnClose);
    m_dialog->setWindowModality(Qt::ApplicationModal);
    m_dialog->open();
}

void CommitBusyDialog::progress(int done, int total)
{
    if (m_dialog)
        m_dialog->setProgress(done, total);
}

// At once, not from the event loop: a message about the result may follow
// right away and must not open beneath the busy dialog.
void CommitBusyDialog::close()
{
    if (m_dialog)
        m_dialog->updateProgress();
}
