#include "app/BasicPrompts.h"

#include "widgets/OakMessageBox.h"
#include "widgets/UiSettings.h"

#include <QCoreApplication>
#include <QFileDialog>

namespace {
QString warningTitle()
{
    return QCoreApplication::translate("MousecfgWidget", "Warning");
}
} // namespace

bool BasicPrompts::ask(const QString& message)
{
    OakMessageBox box(m_window, OakMessageBox::Ask, warningTitle(), message, m_ui.scale().factor,
                      m_ui.themeColor());
    return box.exec() == QDialog::Accepted;
}

void BasicPrompts::tell(const QString& message)
{
    OakMessageBox box(m_window, OakMessageBox::Tell, warningTitle(), message, m_ui.scale().factor,
                      m_ui.themeColor());
    box.exec();
}

QString BasicPrompts::openFile(const QString& title, const QString& filter)
{
    return QFileDialog::getOpenFileName(m_window, title, QString(), filter);
}

QString BasicPrompts::saveFile(const QString& title, const QString& filter)
{
    return QFileDialog::getSaveFileName(m_window, title, QString(), filter);
}
