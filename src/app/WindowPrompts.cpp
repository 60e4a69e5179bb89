#include "app/WindowPrompts.h"

#include "widgets/OakMessageBox.h"
#include "widgets/UiSettings.h"

#include <QFileDialog>
#include <QRegularExpression>

WindowPrompts::WindowPrompts(QWidget* window, const UiSettings& ui) : m_window(window), m_ui(ui) {}

bool WindowPrompts::show(int kind, const QString& message)
{
    OakMessageBox box(m_window, OakMessageBox::Kind(kind), tr("Warning"), message, m_ui.scale().factor,
                      m_ui.themeColor());
    box.setObjectName(kind == OakMessageBox::Ask ? QStringLiteral("askBox") : QStringLiteral("tellBox"));
    return box.exec() == QDialog::Accepted;
}

bool WindowPrompts::ask(const QString& message)
{
    return show(OakMessageBox::Ask, message);
}

void WindowPrompts::tell(const QString& message)
{
    (void)show(OakMessageBox::Tell, message);
}

QString WindowPrompts::openFile(const QString& title, const QString& filter)
{
    return QFileDialog::getOpenFileName(m_window, title, QString(), filter);
}

QString WindowPrompts::suffixOf(const QString& filter)
{
    static const QRegularExpression pattern(QStringLiteral("\\*\\.(\\w+)"));
    const QRegularExpressionMatch match = pattern.match(filter);
    return match.hasMatch() ? match.captured(1) : QString();
}

QString WindowPrompts::saveFile(const QString& title, const QString& filter)
{
    QFileDialog dialog(m_window, title, QString(), filter);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setDefaultSuffix(suffixOf(filter));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return QString();
    return dialog.selectedFiles().constFirst();
}
