// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QPointer>
#include <functional>

class DeviceLink;
class DeviceDiscovery;
class OakMessageBox;
class UiSettings;
class AppPaths;
class QWidget;

// The "Dongle Disconnect!" warning: shown while no mouse is present (or a
// present one may not be opened), closing by itself once a mouse has come
// back and the window has re-initialised.
class DisconnectWarning : public QObject
{
    Q_OBJECT
public:
    DisconnectWarning(const UiSettings& ui, const AppPaths& paths, DeviceDiscovery& discovery,
                      const DeviceLink& link, QWidget* window);

    // Set while the warning is up or about to come up.
    bool isOpen() const { return m_open; }
    void setDue() { m_open = true; }
    // Shows the window; activates it when a mouse is present, else warns.
    void showOrWarn();

private:
    void warn();

    const UiSettings& m_ui;
    const AppPaths& m_paths;
    DeviceDiscovery& m_discovery;
    const DeviceLink& m_link;
    QWidget* m_window;
    QPointer<OakMessageBox> m_box;
    bool m_open = false;
};
