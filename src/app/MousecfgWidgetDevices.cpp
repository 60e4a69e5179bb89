// SPDX-License-Identifier: GPL-3.0-or-later
// The window and the mice that come and go: device notifications, the
// model list, and what the window does when the mouse it serves changes.
#include "app/MousecfgWidget.h"

#include "app/DeviceDiscovery.h"
#include "app/DisconnectWarning.h"
#include "app/LightingPreview.h"
#include "app/PageHost.h"
#include "app/ProfileOperations.h"
#include "app/WindowControls.h"
#include "device/DeviceSession.h"
#include "hid/DeviceLink.h"
#include "platform/DeviceNotifier.h"
#include "storage/AppConfig.h"
#include "storage/FileStore.h"
#include "storage/ProfileWorkspace.h"
#include "widgets/OakPushButton.h"
#include "widgets/UiSettings.h"

#include <QAction>
#include <QMenu>
#include <QTimer>

void MousecfgWidget::registerDeviceNotifications()
{
    DeviceNotifier* notifier = m_setup.notifier.get();
    if (!notifier)
        return;
    connect(notifier, &DeviceNotifier::deviceChanged, m_discovery, &DeviceDiscovery::handleChange);
    notifier->start(quintptr(winId()));
}

bool MousecfgWidget::nativeEvent(const QByteArray& eventType, void* message,
                                 compat::NativeEventResult* result)
{
    if (m_setup.notifier)
        m_setup.notifier->handleNativeEvent(eventType, message);
    return QWidget::nativeEvent(eventType, message, result);
}

void MousecfgWidget::initDevices()
{
    m_mouseListButton = WindowControls::textButton(this, "mouseListButton", m_ui);
    m_mouseListButton->hide();
    connect(m_discovery, &DeviceDiscovery::mouseListChanged, this, &MousecfgWidget::refreshMouseListButton);
    connect(m_discovery, &DeviceDiscovery::warnCloseDue, this, &MousecfgWidget::slotWarnClose);
    connect(m_discovery, &DeviceDiscovery::lastMouseGone, m_warning, &DisconnectWarning::setDue);
    connect(m_discovery, &DeviceDiscovery::warningDue, this, &MousecfgWidget::slotWarning);
    connect(m_discovery, &DeviceDiscovery::reinitialiseDue, this, &MousecfgWidget::reinitialise);
    connect(m_discovery, &DeviceDiscovery::connectionChanged, this,
            &MousecfgWidget::refreshConnectionIndicator);
    connect(m_session, &DeviceSession::RefreshBatteryStatus, this, &MousecfgWidget::slotRefreshBatteryStatus);
    connect(m_session, &DeviceSession::RefreshStatus, this, &MousecfgWidget::slotRefreshStatus);
    m_discovery->initialise();
    m_discovery->openCurrentModel();
    readModelDescription();
}

// The mouse list shows only when several supported models are attached.
void MousecfgWidget::refreshMouseListButton()
{
    const QStringList names = m_discovery->presentModels();
    delete m_mouseListMenu;
    m_mouseListMenu = nullptr;
    if (names.size() < 2) {
        m_mouseListButton->hide();
        return;
    }
    m_mouseListMenu = new QMenu(this);
    for (const QString& name : names)
        m_mouseListMenu->addAction(name);
    m_mouseListMenu->setFixedWidth(m_ui.scaled(192));
    connect(m_mouseListMenu, &QMenu::triggered, this, &MousecfgWidget::slot_show_mousename);
    m_mouseListButton->setMenu(m_mouseListMenu);
    m_mouseListButton->setText(m_discovery->currentModel());
    m_mouseListButton->setAccessibleName(m_mouseListButton->text());
    m_mouseListButton->show();
    m_mouseListButton->raise();
}

// The part of a re-initialisation that concerns what the window shows.
void MousecfgWidget::reinitialise()
{
    // A mouse came or went: what waits to be written goes now.
    m_setup.paths.store().flushSoon();
    readModelDescription();
    m_pages->reinitialise();
    m_lightingPreview->reload();
    // The same model back, its files as this program left them: the
    // profiles in memory, and the edits not applied yet, stay.
    if (m_config->profileModelName() != m_workspace->modelName() || m_workspace->storedFilesChanged()) {
        loadProfiles();
        writeDefaultProfile();
    }
    m_operations->reloadLibrary();
    showTab(0);
    refreshPages();
    refreshConnectionIndicator();
}

void MousecfgWidget::slotWarnClose()
{
    m_discovery->openCurrentModel();
    reinitialise();
    m_discovery->setDeviceReady(true);
    // A mouse that came but may not be opened: say why once the plug-in
    // warning, which closes itself now, has gone.
    if (!m_session->link().deniedPaths().isEmpty())
        QTimer::singleShot(200, this, &MousecfgWidget::slotWarning);
}

void MousecfgWidget::slot_show_mousename(QAction* action)
{
    m_session->close();
    m_mouseListButton->setText(action->text());
    m_discovery->selectModel(action->text());
    reinitialise();
}
