// SPDX-License-Identifier: GPL-3.0-or-later
#include "device/DeviceSession.h"

#include "device/ConfigurationDownload.h"
#include "device/OakGetBatteryThread.h"
#include "device/OakProcessThread.h"
#include "hid/DeviceServices.h"
#include "protocol/SensorTables.h"

#include <QTimer>

DeviceSession::DeviceSession(DeviceServices& services, const AppPaths& paths, QObject* parent)
    : QObject(parent), m_services(services),
      m_download(std::make_unique<ConfigurationDownload>(*services.link, m_deviceState, paths,
                                                         SensorTables::shipped())),
      m_reopenTimer(new QTimer(this)), m_restartTimer(new QTimer(this))
{
    qRegisterMetaType<ApplyOutcome>();
    for (QTimer* timer : {m_reopenTimer, m_restartTimer}) {
        timer->setSingleShot(true);
        timer->setInterval(kReopenPauseMs);
    }
    connect(m_reopenTimer, &QTimer::timeout, this, &DeviceSession::finishReopen);
    connect(m_restartTimer, &QTimer::timeout, this, &DeviceSession::startPolling);
}

DeviceSession::~DeviceSession()
{
    stopPolling();
    // At the end the threads are waited for: nothing may outlive the link.
    for (OakGetBatteryThread* poller : std::as_const(m_endingPolls)) {
        poller->stop();
        delete poller;
    }
    m_endingPolls.clear();
    m_afterPollsEnd.clear();
    if (m_apply) {
        m_apply->wait();
        delete m_apply;
        m_apply = nullptr;
    }
    link().closeAll();
    link().shutdown();
}

DeviceLink& DeviceSession::link() const
{
    return *m_services.link;
}

void DeviceSession::initialise(const QString& deviceName)
{
    link().reset(deviceName);
    link().scan();
}

void DeviceSession::setCurrentModel(const QString& modelName)
{
    m_currentModel = modelName;
}

bool DeviceSession::deferWhileApplying(Pending action)
{
    if (!isApplying())
        return false;
    m_pending = action;
    return true;
}

void DeviceSession::open()
{
    if (deferWhileApplying(Pending::Open))
        return;
    m_reopenTimer->stop();
    stopPollingThen([this] {
        link().open(m_currentModel);
        startPolling();
    });
}

void DeviceSession::close()
{
    if (deferWhileApplying(Pending::Close))
        return;
    m_reopenTimer->stop();
    stopPollingThen([this] { link().closeAll(); });
}

void DeviceSession::reopenAfterPause()
{
    if (deferWhileApplying(Pending::Reopen))
        return;
    m_reopenTimer->stop();
    stopPollingThen([this] {
        link().closeAll();
        m_reopenTimer->start();
    });
}

// Only a model that is still there is opened again: after a removal of its
// last interface there is nothing left to open.
void DeviceSession::finishReopen()
{
    for (const DeviceEntry& entry : link().entries()) {
        if (entry.present()) {
            open();
            return;
        }
    }
}

void DeviceSession::restartPolling()
{
    stopPolling();
    m_restartTimer->start();
}

// The poll runs whenever the session is not applying; without an open
// vendor interface it reports one all-zero battery reading and ends. A
// poll that is still ending is let go first: two never share the device.
void DeviceSession::startPolling()
{
    if (isApplying() || isPolling())
        return;
    stopPolling();
    if (!m_endingPolls.isEmpty()) {
        whenPollEnded([this] { startPolling(); });
        return;
    }
    m_poller = new OakGetBatteryThread(link());
    connect(m_poller, &OakGetBatteryThread::RefreshBatteryStatus, this, &DeviceSession::RefreshBatteryStatus);
    connect(m_poller, &OakGetBatteryThread::RefreshStatus, this, &DeviceSession::RefreshStatus);
    // The poll itself carries the call, so that it dies with the poll.
    OakGetBatteryThread* poller = m_poller;
    connect(m_poller, &QThread::finished, poller, [this, poller] { pollEnded(poller); });
    m_poller->start();
    Q_EMIT pollingChanged(true);
}

void DeviceSession::stopPolling()
{
    m_restartTimer->stop();
    if (!m_poller)
        return;
    OakGetBatteryThread* poller = m_poller;
    m_poller = nullptr;
    // What it reports from now on is no news of the mouse's.
    disconnect(poller, &OakGetBatteryThread::RefreshBatteryStatus, this, nullptr);
    disconnect(poller, &OakGetBatteryThread::RefreshStatus, this, nullptr);
    if (poller->isFinished()) {
        delete poller;
    } else {
        m_endingPolls.append(poller);
        poller->requestStop();
    }
    Q_EMIT pollingChanged(false);
}

void DeviceSession::stopPollingThen(std::function<void()> next)
{
    stopPolling();
    whenPollEnded(std::move(next));
}

void DeviceSession::whenPollEnded(std::function<void()> next)
{
    if (m_endingPolls.isEmpty())
        next();
    else
        m_afterPollsEnd.append(std::move(next));
}

// A poll's thread finished: one that was asked to end is deleted, and once
// none is left what waited for them runs, in the order asked. A poll that
// ended by itself (no interface to read) stays until it is stopped.
void DeviceSession::pollEnded(OakGetBatteryThread* poller)
{
    if (!m_endingPolls.removeOne(poller))
        return;
    poller->deleteLater();
    while (m_endingPolls.isEmpty() && !m_afterPollsEnd.isEmpty()) {
        const std::function<void()> next = m_afterPollsEnd.takeFirst();
        next();
    }
}

bool DeviceSession::isPolling() const
{
    return m_poller && m_poller->isRunning();
}

// The apply counts as running from here; its thread starts once the poll
// has left the device.
bool DeviceSession::apply(const ApplyJob& job)
{
    if (isApplying())
        return false;
    m_pending = Pending::Nothing;
    m_apply = new OakProcessThread(*m_download, job);
    connect(m_apply, &OakProcessThread::progress, this, &DeviceSession::applyProgress);
    connect(m_apply, &QThread::finished, this, &DeviceSession::finishApply);
    Q_EMIT applyStarted();
    OakProcessThread* apply = m_apply;
    stopPollingThen([apply] { apply->start(); });
    return true;
}

void DeviceSession::finishApply()
{
    const ApplyOutcome outcome = m_apply->outcome();
    delete m_apply;
    m_apply = nullptr;
    const Pending pending = m_pending;
    m_pending = Pending::Nothing;
    switch (pending) {
    case Pending::Open:
        open();
        break;
    case Pending::Close:
        close();
        break;
    case Pending::Reopen:
        reopenAfterPause();
        break;
    case Pending::Nothing:
        startPolling();
        break;
    }
    Q_EMIT applyFinished(outcome);
}
