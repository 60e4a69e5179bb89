// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/DeviceNotifier.h"

#include <QObject>
#include <QStringList>

struct DeviceEntry;
class AppConfig;
class DeviceSession;

// Knows which supported mice are attached and how, follows their arrival and
// removal, and tells the device session when to open, close or re-open the
// interfaces. The window owns it and acts on its signals.
class DeviceDiscovery : public QObject
{
    Q_OBJECT

public:
    DeviceDiscovery(DeviceSession& session, AppConfig& config, QObject* parent = nullptr);

    // At start: fills the device table for the configured model, enumerates
    // and rebuilds the list of present mice.
    void initialise();
    void refreshMouseList();
    // Makes another present model the current one.
    void selectModel(const QString& name);
    void openCurrentModel();

    int presentModelCount() const { return m_presentModels.size(); }
    QStringList presentModels() const { return m_presentModels; }
    QString currentModel() const;

    bool deviceReady() const { return m_deviceReady; }
    void setDeviceReady(bool ready) { m_deviceReady = ready; }

public Q_SLOTS:
    void handleChange(const DeviceChange& change);

Q_SIGNALS:
    void mouseListChanged();
    // A mouse appeared while none was present: re-initialise.
    void warnCloseDue();
    // The last mouse went away: the warning is due shortly.
    void lastMouseGone();
    // The last mouse went away a moment ago: warn.
    void warningDue();
    // The current model went away while another remains: re-initialise for it.
    void reinitialiseDue();
    void connectionChanged();

private:
    void arrive(DeviceEntry& entry, int identity, const DeviceChange& change, bool& flagWasSet);
    bool remove(int index, DeviceEntry& entry, int identity, const DeviceChange& change, bool& reinitialised);
    void lastModelGone();
    void setCurrentModel(const QString& name);

    DeviceSession& m_session;
    AppConfig& m_config;
    QStringList m_presentModels;
    bool m_deviceReady = false;
};
