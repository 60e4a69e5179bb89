// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/WindowPrompts.h"

#include "widgets/OakMessageBox.h"
#include "widgets/UiSettings.h"

#include <QFileDialog>
#include <QHeaderView>
#include <QRegularExpression>
#include <QSplitter>
#include <QTreeView>

WindowPrompts::WindowPrompts(QWidget* window, const UiSettings& ui) : m_window(window), m_ui(ui) {}

int WindowPrompts::show(int kind, const QString& message, const QString& title, const QStringList& answers)
{
    OakMessageBox box(m_window, OakMessageBox::Kind(kind), title.isEmpty() ? tr("Warning") : title, message,
                      m_ui.scale().factor, m_ui.themeColor());
    if (kind == OakMessageBox::Choose) {
        box.setObjectName(QStringLiteral("chooseBox"));
        box.setAnswers(answers);
    } else {
        box.setObjectName(kind == OakMessageBox::Ask ? QStringLiteral("askBox") : QStringLiteral("tellBox"));
    }
    return box.exec();
}

bool WindowPrompts::ask(const QString& message, const QString& title)
{
    return show(OakMessageBox::Ask, message, title) == QDialog::Accepted;
}

void WindowPrompts::tell(const QString& message, const QString& title)
{
    (void)show(OakMessageBox::Tell, message, title);
}

int WindowPrompts::choose(const QString& message, const QStringList& answers)
{
    return show(OakMessageBox::Choose, message, QString(), answers);
}

std::unique_ptr<QFileDialog> WindowPrompts::fileDialog(const QString& title, const QString& filter,
                                                       bool save) const
{
    auto dialog = std::make_unique<QFileDialog>(m_window, title, QString(), filter);
    dialog->setObjectName(save ? QStringLiteral("saveFileDialog") : QStringLiteral("openFileDialog"));
    if (save) {
        dialog->setAcceptMode(QFileDialog::AcceptSave);
        dialog->setDefaultSuffix(suffixOf(filter));
    } else {
        dialog->setFileMode(QFileDialog::ExistingFile);
    }
    // Room for the names and the columns beside them at any scale: size,
    // type and date as wide as they are written, the name what they leave,
    // and the places beside the list wide enough for their names.
    dialog->resize(m_ui.scaled(720), m_ui.scaled(460));
    if (auto* details = dialog->findChild<QTreeView*>(QStringLiteral("treeView"))) {
        QHeaderView* columns = details->header();
        columns->setStretchLastSection(false);
        columns->setSectionResizeMode(0, QHeaderView::Stretch);
        for (int column = 1; column < columns->count(); ++column)
            columns->setSectionResizeMode(column, QHeaderView::ResizeToContents);
    }
    if (auto* places = dialog->findChild<QSplitter*>(QStringLiteral("splitter")))
        places->setSizes({m_ui.scaled(150), m_ui.scaled(570)});
    return dialog;
}

QString WindowPrompts::openFile(const QString& title, const QString& filter)
{
    const std::unique_ptr<QFileDialog> dialog = fileDialog(title, filter, false);
    if (dialog->exec() != QDialog::Accepted || dialog->selectedFiles().isEmpty())
        return QString();
    return dialog->selectedFiles().constFirst();
}

QString WindowPrompts::suffixOf(const QString& filter)
{
    static const QRegularExpression pattern(QStringLiteral("\\*\\.(\\w+)"));
    const QRegularExpressionMatch match = pattern.match(filter);
    return match.hasMatch() ? match.captured(1) : QString();
}

QString WindowPrompts::saveFile(const QString& title, const QString& filter)
{
    const std::unique_ptr<QFileDialog> dialog = fileDialog(title, filter, true);
    if (dialog->exec() != QDialog::Accepted || dialog->selectedFiles().isEmpty())
        return QString();
    return dialog->selectedFiles().constFirst();
}
