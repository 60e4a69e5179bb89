// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/TrayController.h"

#include <QAction>
#include <QIcon>
#include <QMenu>
#include <QWidget>

TrayController::TrayController(const QString& iconFile, QMenu* extraMenu, QWidget* window) : QObject(window)
{
    m_loadConfig = new QAction(window);
    connect(m_loadConfig, &QAction::triggered, this, &TrayController::loadConfigRequested);
    m_quit = new QAction(window);
    connect(m_quit, &QAction::triggered, this, &TrayController::quitRequested);

    m_menu = new QMenu(window);
    m_menu->setObjectName(QStringLiteral("trayMenu"));
    m_menu->addAction(m_loadConfig);
    m_menu->addAction(m_quit);
    if (extraMenu) {
        extraMenu->setParent(m_menu, extraMenu->windowFlags());
        m_menu->addMenu(extraMenu);
    }

    const QIcon icon(iconFile);
    m_icon = new QSystemTrayIcon(this);
    m_icon->setObjectName(QStringLiteral("trayIcon"));
    m_icon->setContextMenu(m_menu);
    connect(m_icon, &QSystemTrayIcon::activated, this, &TrayController::activated);
    window->setWindowIcon(icon);
    m_icon->setIcon(icon);
    retranslate();
    m_icon->show();
}

TrayController::~TrayController()
{
    m_icon->hide();
}

void TrayController::retranslate()
{
    m_loadConfig->setText(tr("&Load Config"));
    m_quit->setText(tr("&Quit"));
    m_icon->setToolTip(toolTipFor(m_status));
}

void TrayController::showStatus(const Status& status)
{
    m_status = status;
    // Every status report comes here; the tray hears only of a change.
    const QString tip = toolTipFor(status);
    if (tip != m_icon->toolTip())
        m_icon->setToolTip(tip);
}

QString TrayController::toolTip() const
{
    return m_icon->toolTip();
}

QString TrayController::toolTipFor(const Status& status)
{
    QStringList lines{status.model};
    if (status.charging)
        lines << tr("charging");
    else if (status.battery < 0)
        lines << tr("MOUSE OFF");
    else
        lines << tr("Battery %1%").arg(status.battery);
    lines << tr("Profile") + QStringLiteral(" %1").arg(status.profile + 1);
    lines << tr("DPI") + QStringLiteral(" %1").arg(status.dpiStage + 1);
    return lines.join(QLatin1Char('\n'));
}
