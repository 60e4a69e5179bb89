// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "sim/VirtualMouseOptions.h"
#include "sim/gadget/GadgetFaults.h"

#include <QObject>
#include <QStringList>
#include <memory>
#include <mutex>

class GadgetBridge;
class QLocalServer;
class UhidDevice;
class UsbGadget;
class VirtualMouse;

struct GadgetOptions
{
    QString socketPath = QStringLiteral("/run/mousecfg-gadget.sock");
    // Device controllers for the receiver and the cable, in this order;
    // empty: the system's first two, sorted.
    QStringList controllers;
    bool receiverPlugged = true;
    bool cablePlugged = false;
    // Ids of an unrelated HID device with a vendor collection like the
    // mouse's, made through uhid; 0: none.
    quint16 otherVendorId = 0;
    quint16 otherProductId = 0;
};

// The virtual mouse as USB devices: its receiver and cable identities as two
// gadgets on two device controllers, each bridged to the same firmware
// model that --virtual uses, and a control socket through which scripts plug
// and unplug them, press the DPI button, set the battery, inject faults and
// read the on-board state.
class GadgetServer : public QObject
{
    Q_OBJECT
public:
    explicit GadgetServer(const GadgetOptions& options, QObject* parent = nullptr);
    ~GadgetServer() override;

    // Builds the gadgets, plugs those asked for and listens on the socket.
    bool start(QString& error);
    // One control command, as its words; the reply text. ok is false when
    // the command was refused.
    QByteArray execute(const QStringList& words, bool& ok);

Q_SIGNALS:
    void quitRequested();

private:
    struct Identity;

    void acceptConnection();
    bool setPlugged(int identity, bool plugged, QString& error);
    QByteArray info() const;
    int identityNamed(const QString& name) const;
    // Reports the mouse queued on its own (a DPI press) wait for the bridges.
    void wakeBridges();

    QByteArray infoCommand(const QStringList& words, bool& ok);
    QByteArray plugCommand(const QStringList& words, bool& ok);
    QByteArray pressDpiCommand(const QStringList& words, bool& ok);
    QByteArray batteryCommand(const QStringList& words, bool& ok);
    QByteArray faultCommand(const QStringList& words, bool& ok);
    QByteArray stateCommand(const QStringList& words, bool& ok);
    QByteArray traceCommand(const QStringList& words, bool& ok);
    QByteArray resetCommand(const QStringList& words, bool& ok);
    QByteArray quitCommand(const QStringList& words, bool& ok);

    const GadgetOptions m_options;
    std::shared_ptr<VirtualMouse> m_mouse;
    GadgetFaults m_faults;
    std::vector<std::unique_ptr<Identity>> m_identities;
    std::unique_ptr<UhidDevice> m_other;
    QLocalServer* m_server = nullptr;
    mutable std::mutex m_mutex;
};

// The command words the control socket knows, for the usage text.
QString gadgetCommandHelp();
