// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/DisconnectWarning.h"

#include "app/DeviceDiscovery.h"
#include "hid/AccessDiagnosis.h"
#include "hid/DeviceLink.h"
#include "storage/AppPaths.h"
#include "widgets/OakMessageBox.h"
#include "widgets/UiSettings.h"

#include <QCoreApplication>
#include <QWidget>

DisconnectWarning::DisconnectWarning(const UiSettings& ui, const AppPaths& paths, DeviceDiscovery& discovery,
                                     const DeviceLink& link, QWidget* window)
    : QObject(window), m_ui(ui), m_paths(paths), m_discovery(discovery), m_link(link), m_window(window)
{
}

void DisconnectWarning::showOrWarn()
{
    m_window->show();
    if (m_discovery.presentModelCount() > 0 && m_link.deniedPaths().isEmpty()) {
        // A mouse that came back before the warning was due needs no warning;
        // the flag would otherwise stay set and keep the window from the tray.
        m_open = false;
        m_window->activateWindow();
        m_window->raise();
        return;
    }
    warn();
}

// Modal but not blocking: the routine that notices the mouse's return must
// keep running meanwhile.
void DisconnectWarning::warn()
{
    m_open = true;
    // A box accepted a moment ago may not be deleted yet: it no longer counts.
    if (m_box && m_box->isVisible())
        return;
    // A mouse that is plugged in but may not be opened by this user is told
    // apart from an absent one: the text says how to fix it.
    const QString accessProblem = AccessDiagnosis::message(m_link.deniedPaths());
    const QString title = QCoreApplication::translate("MousecfgWidget", "Warning");
    const QString text = accessProblem.isEmpty()
                             ? QCoreApplication::translate("MousecfgWidget", "Dongle Disconnect!")
                             : accessProblem;
    m_box = new OakMessageBox(m_window, OakMessageBox::TellWithReceiver, title, text, m_ui.scale().factor,
                              m_ui.themeColor(), m_paths.skinFile(QStringLiteral("dongle2.png")));
    m_box->setObjectName(QStringLiteral("disconnectWarning"));
    m_box->setAttribute(Qt::WA_DeleteOnClose);
    if (accessProblem.isEmpty())
        m_box->watchForPlugIn([this] { return m_discovery.deviceReady(); });
    // Any way out of the box (Escape included) ends the warning; without a
    // mouse the window goes back to the tray.
    connect(m_box, &QDialog::finished, this, [this] {
        m_open = false;
        if (m_discovery.presentModelCount() == 0)
            m_window->hide();
    });
    m_box->open();
}
