// SPDX-License-Identifier: GPL-3.0-or-later
#include "sim/gadget/GadgetServer.h"

#include "hid/ModelIds.h"
#include "sim/VirtualMouse.h"
#include "sim/gadget/GadgetBridge.h"
#include "sim/gadget/UhidDevice.h"
#include "sim/gadget/UsbGadget.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLocalServer>
#include <QLocalSocket>

struct GadgetServer::Identity
{
    QString name;
    VirtualIdentity virtualIdentity;
    QString controller;
    std::unique_ptr<UsbGadget> gadget;
    std::unique_ptr<GadgetBridge> bridge;
    bool plugged = false;
};

namespace {

constexpr int kVendorFunction = 2;

VirtualMouseOptions mouseOptions()
{
    // The firmware runs in real time: the host's waits are real ones.
    VirtualMouseOptions options;
    options.realTime = true;
    options.receiverPlugged = true;
    options.cablePlugged = true;
    return options;
}

UsbIdentity usbIdentity(quint16 vendor, quint16 product, quint16 release, const QString& what)
{
    UsbIdentity id;
    id.vendorId = vendor;
    id.productId = product;
    id.release = release;
    id.manufacturer = QStringLiteral("mousecfg");
    id.product = QStringLiteral("virtual %1").arg(what);
    id.serial = QStringLiteral("%1-%2").arg(what).arg(product, 4, 16, QLatin1Char('0'));
    return id;
}

} // namespace

GadgetServer::GadgetServer(const GadgetOptions& options, QObject* parent)
    : QObject(parent), m_options(options), m_mouse(std::make_shared<VirtualMouse>(mouseOptions()))
{
}

GadgetServer::~GadgetServer()
{
    for (auto& identity : m_identities) {
        identity->bridge->stop();
        identity->gadget->remove();
    }
    m_other.reset();
}

bool GadgetServer::start(QString& error)
{
    const QStringList controllers =
        m_options.controllers.isEmpty() ? UsbGadget::controllers() : m_options.controllers;
    if (controllers.size() < 2) {
        error = QStringLiteral("two device controllers needed, %1 found (load dummy_hcd with num=2)")
                    .arg(controllers.size());
        return false;
    }
    const quint16 release = VirtualMouseOptions().releaseNumber;
    const quint16 products[2] = {kModelReceiverProductId, kModelCableProductId};
    const char* names[2] = {"receiver", "cable"};
    for (int i = 0; i < 2; ++i) {
        auto identity = std::make_unique<Identity>();
        identity->name = QLatin1String(names[i]);
        identity->virtualIdentity = VirtualIdentity(i);
        identity->controller = controllers.at(i);
        identity->gadget =
            std::make_unique<UsbGadget>(QStringLiteral("mousecfg-") + identity->name,
                                        usbIdentity(kModelVendorId, products[i], release, identity->name),
                                        HidFunctions::receiverLayout());
        const VirtualIdentity which = identity->virtualIdentity;
        identity->bridge = std::make_unique<GadgetBridge>(*m_mouse, which, m_faults, [this, i] {
            QMetaObject::invokeMethod(
                this,
                [this, i] {
                    QString ignored;
                    setPlugged(i, false, ignored);
                },
                Qt::QueuedConnection);
        });
        if (!identity->gadget->create(error) || !identity->bridge->start(error))
            return false;
        m_identities.push_back(std::move(identity));
    }
    if (m_options.otherVendorId) {
        m_other = std::make_unique<UhidDevice>(m_options.otherVendorId, m_options.otherProductId,
                                               HidFunctions::vendor().reportDescriptor);
        if (!m_other->create(error))
            return false;
    }
    if ((m_options.receiverPlugged && !setPlugged(0, true, error)) ||
        (m_options.cablePlugged && !setPlugged(1, true, error)))
        return false;

    m_server = new QLocalServer(this);
    QLocalServer::removeServer(m_options.socketPath);
    m_server->setSocketOptions(QLocalServer::UserAccessOption);
    if (!m_server->listen(m_options.socketPath)) {
        error = QStringLiteral("cannot listen on %1: %2").arg(m_options.socketPath, m_server->errorString());
        return false;
    }
    connect(m_server, &QLocalServer::newConnection, this, &GadgetServer::acceptConnection);
    return true;
}

void GadgetServer::acceptConnection()
{
    while (QLocalSocket* socket = m_server->nextPendingConnection()) {
        connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
        connect(socket, &QLocalSocket::readyRead, this, [this, socket] {
            if (!socket->canReadLine())
                return;
            const QString line = QString::fromUtf8(socket->readLine()).trimmed();
            bool ok = false;
            const QByteArray reply = execute(line.split(QLatin1Char(' '), Qt::SkipEmptyParts), ok);
            socket->write(ok ? "OK\n" + reply : "ERR " + reply + "\n");
            socket->flush();
            socket->disconnectFromServer();
            if (ok && line == QLatin1String("quit"))
                emit quitRequested();
        });
    }
}

void GadgetServer::wakeBridges()
{
    for (auto& identity : m_identities)
        identity->bridge->wake();
}

int GadgetServer::identityNamed(const QString& name) const
{
    for (size_t i = 0; i < m_identities.size(); ++i) {
        if (m_identities[i]->name == name)
            return int(i);
    }
    return -1;
}

bool GadgetServer::setPlugged(int index, bool plugged, QString& error)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    Identity& identity = *m_identities[size_t(index)];
    if (identity.plugged == plugged)
        return true;
    if (!plugged) {
        identity.bridge->detach();
        identity.plugged = false;
        return identity.gadget->unbind(error);
    }
    if (!identity.gadget->bind(identity.controller, error))
        return false;
    // The function's node comes with the bind.
    const QString node = identity.gadget->deviceNode(kVendorFunction);
    if (node.isEmpty()) {
        error = QStringLiteral("the vendor function of the %1 has no device node").arg(identity.name);
        return false;
    }
    identity.bridge->attach(node);
    identity.plugged = true;
    return true;
}

QByteArray GadgetServer::info() const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    QJsonArray list;
    for (const auto& identity : m_identities) {
        QJsonArray nodes;
        for (int f = 0; f < 3; ++f)
            nodes.append(identity->gadget->deviceNode(f));
        list.append(QJsonObject{{QStringLiteral("identity"), identity->name},
                                {QStringLiteral("plugged"), identity->plugged},
                                {QStringLiteral("controller"), identity->controller},
                                {QStringLiteral("productId"), identity->gadget->identity().productId},
                                {QStringLiteral("release"), identity->gadget->identity().release},
                                {QStringLiteral("nodes"), nodes}});
    }
    return QJsonDocument(list).toJson(QJsonDocument::Indented);
}
