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
    link().open(m_currentModel);
    startPolling();
}

void DeviceSession::close()
{
    if (deferWhileApplying(Pending::Close))
        return;
    m_reopenTimer->stop();
    stopPolling();
    link().closeAll();
}

void DeviceSession::reopenAfterPause()
{
    if (deferWhileApplying(Pending::Reopen))
        return;
    stopPolling();
    link().closeAll();
    m_reopenTimer->start();
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
// vendor interface it reports one all-zero battery reading and ends.
void DeviceSession::startPolling()
{
    if (isApplying() || isPolling())
        return;
    stopPolling();
    m_poller = new OakGetBatteryThread(link());
    connect(m_poller, &OakGetBatteryThread::RefreshBatteryStatus, this, &DeviceSession::RefreshBatteryStatus);
    connect(m_poller, &OakGetBatteryThread::RefreshStatus, this, &DeviceSession::RefreshStatus);
    m_poller->start();
    Q_EMIT pollingChanged(true);
}

// Returns once the poll has left the device, so that the interfaces may be
// closed or a download started right after.
void DeviceSession::stopPolling()
{
    m_restartTimer->stop();
    if (!m_poller)
        return;
    m_poller->stop();
    delete m_poller;
    m_poller = nullptr;
    Q_EMIT pollingChanged(false);
}

bool DeviceSession::isPolling() const
{
    return m_poller && m_poller->isRunning();
}

bool DeviceSession::apply(const ApplyJob& job)
{
    if (isApplying())
        return false;
    stopPolling();
    m_pending = Pending::Nothing;
    m_apply = new OakProcessThread(*m_download, job);
    connect(m_apply, &OakProcessThread::progress, this, &DeviceSession::applyProgress);
    connect(m_apply, &QThread::finished, this, &DeviceSession::finishApply);
    Q_EMIT applyStarted();
    m_apply->start();
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
