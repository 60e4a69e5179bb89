// SPDX-License-Identifier: GPL-3.0-or-later
#include "OsdServer.h"

#include "OsdWindow.h"
#include "platform/LocalPeer.h"
#include "platform/OsdRecord.h"

#include <QLocalServer>
#include <QLocalSocket>

namespace {

// A sender that never completes a record must not make the buffer grow.
constexpr int kMaxBuffered = 16 * OsdRecord::kSize;

} // namespace

OsdServer::OsdServer(OsdWindow& window, const QString& name, QObject* parent)
    : QObject(parent), m_window(window), m_name(name), m_server(new QLocalServer(this))
{
    connect(m_server, &QLocalServer::newConnection, this, &OsdServer::accept);
}

bool OsdServer::listen()
{
    m_refused = m_name.isEmpty();
    if (m_refused)
        return false;
    QLocalSocket probe;
    probe.connectToServer(m_name);
    if (probe.waitForConnected(200)) {
        m_refused = !localPeerIsThisUser(probe.socketDescriptor());
        if (m_refused)
            qWarning("mousecfg-osd: %s is served by another user", qPrintable(m_name));
        return false;
    }
    // A socket left behind by a companion that ended without closing it.
    QLocalServer::removeServer(m_name);
    m_server->setSocketOptions(QLocalServer::UserAccessOption);
    m_refused = !m_server->listen(m_name);
    if (m_refused)
        qWarning("mousecfg-osd: cannot listen on %s: %s", qPrintable(m_name),
                 qPrintable(m_server->errorString()));
    return !m_refused;
}

void OsdServer::accept()
{
    while (QLocalSocket* socket = m_server->nextPendingConnection()) {
        if (!localPeerIsThisUser(socket->socketDescriptor())) {
            qWarning("mousecfg-osd: a connection of another user dropped");
            socket->abort();
            socket->deleteLater();
            continue;
        }
        connect(socket, &QLocalSocket::readyRead, this, [this, socket] { read(socket); });
        connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
    }
}

// Records arrive whole or in pieces; each whole one is shown, the latest last.
void OsdServer::read(QLocalSocket* socket)
{
    QByteArray buffer = socket->property("buffer").toByteArray() + socket->readAll();
    if (buffer.size() > kMaxBuffered)
        buffer = buffer.right(buffer.size() % OsdRecord::kSize + OsdRecord::kSize);
    while (buffer.size() >= OsdRecord::kSize) {
        OsdRecord::Message message;
        if (OsdRecord::parse(buffer.left(OsdRecord::kSize), message)) {
            m_window.showMessage(message);
            Q_EMIT messageShown(message.text);
        }
        buffer.remove(0, OsdRecord::kSize);
    }
    socket->setProperty("buffer", buffer);
}
