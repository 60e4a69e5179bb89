#include "OsdServer.h"

#include "OsdWindow.h"
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
    QLocalSocket probe;
    probe.connectToServer(m_name);
    if (probe.waitForConnected(200))
        return false;
    // A socket left behind by a companion that ended without closing it.
    QLocalServer::removeServer(m_name);
    m_server->setSocketOptions(QLocalServer::UserAccessOption);
    return m_server->listen(m_name);
}

void OsdServer::accept()
{
    while (QLocalSocket* socket = m_server->nextPendingConnection()) {
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
