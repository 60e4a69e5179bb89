#pragma once

#include "platform/DeviceNotifier.h"

#include <QObject>
#include <QStringList>
#include <functional>

struct AppContext;
struct DeviceEntry;
class AppConfig;
class DeviceLink;
class QTimer;

// Knows which supported mice are attached and how, follows their arrival and
// removal, and keeps the open handles in step with them. The window owns it,
// supplies the polling thread's controls and acts on its signals.
class DeviceDiscovery : public QObject
{
    Q_OBJECT

public:
    DeviceDiscovery(DeviceLink& link, const AppConfig& config, AppContext& context,
                    QObject* parent = nullptr);

    // How to stop the polling thread (waiting until it is off the device) and
    // start it again (only when none runs).
    void setPollingControl(std::function<void()> stop, std::function<void()> startIfStopped);

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

    // While a download runs its handles stay as they are; what hot-plug would
    // have done to them happens when it has ended.
    void setDownloadRunning(bool running);
    bool reopenPending() const { return m_reopenPending; }

public Q_SLOTS:
    void handleChange(const DeviceChange& change);

Q_SIGNALS:
    void mouseListChanged();
    // A mouse appeared while none was present: re-initialise.
    void warnCloseDue();
    // The last mouse went away: warn.
    void warningDue();
    // The current model went away while another remains: re-initialise for it.
    void reinitialiseDue();
    void connectionChanged();

private:
    void arrive(DeviceEntry& entry, int identity, const DeviceChange& change, bool& flagWasSet);
    bool remove(int index, DeviceEntry& entry, int identity, const DeviceChange& change, bool& reinitialised);
    void lastModelGone();
    void reopenAfterPause();
    void finishReopen();
    void stopPolling();
    void startPolling();

    DeviceLink& m_link;
    const AppConfig& m_config;
    AppContext& m_context;
    std::function<void()> m_stopPolling;
    std::function<void()> m_startPolling;
    QStringList m_presentModels;
    bool m_deviceReady = false;
    bool m_downloadRunning = false;
    bool m_reopenPending = false;
    QTimer* m_reopenTimer = nullptr;
};
