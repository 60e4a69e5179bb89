// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QString>
#include <QSystemTrayIcon>

class QAction;
class QMenu;
class QWidget;

// The tray icon with its menu, "&Load Config" and "&Quit", and a tool tip
// that sums up the mouse's status: model, battery, profile and DPI stage.
class TrayController : public QObject
{
    Q_OBJECT
public:
    // What the tool tip shows; a battery of -1 means the mouse does not answer.
    struct Status
    {
        QString model;
        int battery = -1;
        bool charging = false;
        int profile = 0; // slot, 0 to 4
        int dpiStage = 0;
    };

    // extraMenu, when given, is added to the tray menu and taken over.
    TrayController(const QString& iconFile, QMenu* extraMenu, QWidget* window);
    ~TrayController() override;

    void retranslate();
    void showStatus(const Status& status);
    QString toolTip() const;
    static QString toolTipFor(const Status& status);

Q_SIGNALS:
    void loadConfigRequested();
    void quitRequested();
    void activated(QSystemTrayIcon::ActivationReason reason);

private:
    QSystemTrayIcon* m_icon = nullptr;
    QMenu* m_menu = nullptr;
    QAction* m_loadConfig = nullptr;
    QAction* m_quit = nullptr;
    Status m_status;
};
