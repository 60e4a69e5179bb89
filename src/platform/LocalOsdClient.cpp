// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/LocalOsdClient.h"

#include "platform/LocalPeer.h"
#include "platform/OsdRecord.h"

#include <QLocalSocket>
#include <QLoggingCategory>
#include <QTimer>

Q_LOGGING_CATEGORY(lcOsdClient, "mousecfg.osd")

LocalOsdClient::LocalOsdClient(const QString& serverName, std::function<bool()> startCompanion, int retryMs,
                               QObject* parent)
    : QObject(parent), m_serverName(serverName), m_startCompanion(std::move(startCompanion)),
      m_socket(new QLocalSocket(this)), m_retry(new QTimer(this))
{
    m_retry->setSingleShot(true);
    m_retry->setInterval(retryMs);
    connect(m_retry, &QTimer::timeout, this, &LocalOsdClient::connectNow);
    connect(m_socket, &QLocalSocket::connected, this, &LocalOsdClient::connected);
#if QT_VERSION >= QT_VERSION_CHECK(5, 15, 0)
    connect(m_socket, &QLocalSocket::errorOccurred, this, &LocalOsdClient::failed);
#else
    connect(m_socket, QOverload<QLocalSocket::LocalSocketError>::of(&QLocalSocket::error), this,
            &LocalOsdClient::failed);
#endif
}

LocalOsdClient::~LocalOsdClient()
{
    m_socket->disconnect(this);
}

void LocalOsdClient::showText(const QString& text, const QColor& color)
{
    m_pending = OsdRecord::build(text, color);
    if (m_socket->state() == QLocalSocket::ConnectedState) {
        send();
        return;
    }
    // Already on the way to the companion: the newer text simply waits.
    if (m_connecting || m_retry->isActive())
        return;
    connectNow();
}

void LocalOsdClient::connectNow()
{
    m_connecting = true;
    m_socket->abort();
    m_socket->connectToServer(m_serverName);
}

void LocalOsdClient::connected()
{
    m_connecting = false;
    // Whoever listens on the name gets the texts: only a companion of this
    // user may. Starting ours would not help, the name is taken.
    if (!localPeerIsThisUser(m_socket->socketDescriptor())) {
        qCWarning(lcOsdClient) << "the on-screen display socket" << m_serverName
                               << "is served by another user; text dropped";
        m_socket->abort();
        m_pending.clear();
        m_starts = 0;
        Q_EMIT dropped();
        return;
    }
    m_starts = 0;
    send();
}

void LocalOsdClient::failed()
{
    // Errors of an established connection (the companion went away) are
    // dealt with at the next text.
    if (!m_connecting)
        return;
    m_connecting = false;
    if (m_starts >= kMaxStarts) {
        qCDebug(lcOsdClient) << "on-screen display not reached; text dropped";
        m_pending.clear();
        m_starts = 0;
        Q_EMIT dropped();
        return;
    }
    ++m_starts;
    if (!m_startCompanion || !m_startCompanion())
        qCDebug(lcOsdClient) << "on-screen display companion could not be started";
    m_retry->start();
}

void LocalOsdClient::send()
{
    if (m_pending.isEmpty())
        return;
    if (m_socket->write(m_pending) != m_pending.size())
        qCDebug(lcOsdClient) << "SendMessage failed";
    m_socket->flush();
    m_pending.clear();
    Q_EMIT delivered();
}
