// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "device/ApplyJob.h"
#include "device/DeviceState.h"

#include <QObject>
#include <QString>
#include <QVector>
#include <functional>
#include <memory>

class ConfigurationDownload;
class DeviceLink;
class OakGetBatteryThread;
class OakProcessThread;
class QTimer;
struct DeviceServices;

// The program's conversation with its mouse, owned by the GUI thread: it
// opens the current model's interfaces, runs the status poll whenever the
// interfaces are open and nothing else uses them, and applies whole
// configurations on a worker thread.
//
// The poll pauses for exactly as long as an apply runs. Opening, closing or
// re-opening the interfaces while an apply runs waits until it has ended,
// so a replug never pulls the handles from under a download; the last such
// request wins.
//
// Nothing here waits on the GUI thread: stopping the poll asks its thread to
// end, and what needs the device to itself (closing the interfaces, an
// apply, the next poll) follows once that thread has said it finished,
// within a slice of its listening.
class DeviceSession : public QObject
{
    Q_OBJECT
public:
    // The pause between closing the interfaces and opening them again, so that
    // the system has settled the interfaces of a device that came or went.
    static constexpr int kReopenPauseMs = 500;

    DeviceSession(DeviceServices& services, const AppPaths& paths, QObject* parent = nullptr);
    // Stops the poll, waits for an apply, closes the interfaces and releases
    // the HID library.
    ~DeviceSession() override;

    DeviceLink& link() const;

    // Fills the device table for the model the program serves (its device
    // name) and enumerates the interfaces present now.
    void initialise(const QString& deviceName);
    // The model whose interfaces open() opens.
    void setCurrentModel(const QString& modelName);
    QString currentModel() const { return m_currentModel; }

    // Opens the current model's interfaces and starts the poll.
    void open();
    // Stops the poll and closes every interface (once the poll has ended).
    void close();
    // Closes now and opens again after kReopenPauseMs, without blocking.
    void reopenAfterPause();
    // Stops the poll and starts it again after kReopenPauseMs.
    void restartPolling();

    void startPolling();
    // Asks the poll to end; returns at once.
    void stopPolling();
    // Stops the poll and runs next once it has ended (at once when no poll
    // runs): then nothing of the program uses the device.
    void stopPollingThen(std::function<void()> next);
    bool isPolling() const;
    bool isApplying() const { return m_apply != nullptr; }

    // Saves and sends a copy of the set on the worker; applyFinished() comes
    // on this thread when it is done. False, and nothing starts, while an
    // apply runs.
    bool apply(const ApplyJob& job);

    // The device layer's copy of what was sent last (read while no apply runs).
    const DeviceState& deviceState() const { return m_deviceState; }

Q_SIGNALS:
    void RefreshBatteryStatus(quint8 iCharge, quint8 iLowByte, quint8 iHiByte);
    void RefreshStatus(quint8 iProfile, quint8 iDPI, quint8 iRate, quint8 iMode);
    void pollingChanged(bool polling);
    void applyStarted();
    // During an apply, after each transfer: done of total transfers made.
    void applyProgress(int done, int total);
    void applyFinished(const ApplyOutcome& outcome);

private:
    enum class Pending
    {
        Nothing,
        Open,
        Close,
        Reopen
    };

    bool deferWhileApplying(Pending action);
    void finishReopen();
    void finishApply();
    // Runs next now if no poll is ending, else once the last has ended.
    void whenPollEnded(std::function<void()> next);
    void pollEnded(OakGetBatteryThread* poller);

    DeviceServices& m_services;
    DeviceState m_deviceState;
    std::unique_ptr<ConfigurationDownload> m_download;
    OakGetBatteryThread* m_poller = nullptr;
    // Polls asked to end that have not finished yet, and what waits for them.
    QVector<OakGetBatteryThread*> m_endingPolls;
    QVector<std::function<void()>> m_afterPollsEnd;
    OakProcessThread* m_apply = nullptr;
    QTimer* m_reopenTimer = nullptr;
    QTimer* m_restartTimer = nullptr;
    QString m_currentModel;
    Pending m_pending = Pending::Nothing;
};
