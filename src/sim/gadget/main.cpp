// SPDX-License-Identifier: GPL-3.0-or-later
// mousecfg-gadget: the virtual mouse as USB devices on this machine's own
// USB stack (Linux, configfs gadgets), and the control client for scripts.
#include "sim/gadget/GadgetServer.h"

#include <QCoreApplication>
#include <QLocalSocket>
#include <QSocketNotifier>
#include <csignal>
#include <cstdio>
#include <sys/socket.h>
#include <unistd.h>

namespace {

int signalPipe[2] = {-1, -1};

void onSignal(int)
{
    const char byte = 1;
    (void)!::write(signalPipe[1], &byte, 1);
}

QString usage()
{
    return QStringLiteral(
               "Usage: mousecfg-gadget serve [--socket PATH] [--udc A,B] [--plugged "
               "receiver,cable|none]\n"
               "                             [--other VID:PID]\n"
               "       mousecfg-gadget ctl [--socket PATH] COMMAND...\n"
               "\n"
               "serve presents the virtual mouse as USB devices (root; configfs with libcomposite and\n"
               "usb_f_hid, and two device controllers, e.g. dummy_hcd num=2): the receiver on the first\n"
               "controller, the cable on the second, and an unrelated HID device (--other, through uhid). "
               "It\n"
               "prints \"mousecfg-gadget: ready\" once they are plugged in and runs until it is told\n"
               "to quit or gets SIGINT or SIGTERM, then removes them. Default socket: "
               "/run/mousecfg-gadget.sock;\n"
               "default plugged: receiver.\n"
               "\n"
               "ctl commands:\n") +
           gadgetCommandHelp();
}

// "--name value"; false when the argument is not this option.
bool option(const QStringList& args, int& i, const char* name, QString& value)
{
    if (args.at(i) != QLatin1String(name) || i + 1 >= args.size())
        return false;
    value = args.at(++i);
    return true;
}

bool parseIds(const QString& text, GadgetOptions& options)
{
    const QStringList parts = text.split(QLatin1Char(':'));
    bool vendorOk = false;
    bool productOk = false;
    if (parts.size() == 2) {
        options.otherVendorId = parts[0].toUShort(&vendorOk, 16);
        options.otherProductId = parts[1].toUShort(&productOk, 16);
    }
    return vendorOk && productOk && options.otherVendorId != 0;
}

int serve(const QStringList& args)
{
    GadgetOptions options;
    for (int i = 0; i < args.size(); ++i) {
        QString value;
        if (option(args, i, "--socket", value)) {
            options.socketPath = value;
        } else if (option(args, i, "--udc", value)) {
            options.controllers = value.split(QLatin1Char(','), Qt::SkipEmptyParts);
        } else if (option(args, i, "--plugged", value)) {
            options.receiverPlugged = value.contains(QLatin1String("receiver"));
            options.cablePlugged = value.contains(QLatin1String("cable"));
        } else if (option(args, i, "--other", value) && parseIds(value, options)) {
        } else {
            std::fprintf(stderr, "%s", qPrintable(usage()));
            return 64;
        }
    }
    if (::socketpair(AF_UNIX, SOCK_STREAM, 0, signalPipe) != 0)
        return 1;
    std::signal(SIGINT, onSignal);
    std::signal(SIGTERM, onSignal);
    QSocketNotifier signalNotifier(signalPipe[0], QSocketNotifier::Read);
    QObject::connect(&signalNotifier, &QSocketNotifier::activated, qApp, &QCoreApplication::quit);

    GadgetServer server(options);
    QObject::connect(&server, &GadgetServer::quitRequested, qApp, &QCoreApplication::quit,
                     Qt::QueuedConnection);
    QString error;
    if (!server.start(error)) {
        std::fprintf(stderr, "mousecfg-gadget: %s\n", qPrintable(error));
        return 1;
    }
    std::printf("mousecfg-gadget: ready\n");
    std::fflush(stdout);
    return QCoreApplication::exec();
}

int control(const QStringList& args)
{
    QString socketPath = GadgetOptions().socketPath;
    QStringList words = args;
    if (words.size() >= 2 && words.first() == QLatin1String("--socket")) {
        socketPath = words.at(1);
        words = words.mid(2);
    }
    if (words.isEmpty()) {
        std::fprintf(stderr, "%s", qPrintable(usage()));
        return 64;
    }
    QLocalSocket socket;
    socket.connectToServer(socketPath);
    if (!socket.waitForConnected(5000)) {
        std::fprintf(stderr, "mousecfg-gadget: no gadget server on %s\n", qPrintable(socketPath));
        return 69;
    }
    socket.write(words.join(QLatin1Char(' ')).toUtf8() + '\n');
    QByteArray reply;
    while (socket.state() == QLocalSocket::ConnectedState && socket.waitForReadyRead(30000))
        reply += socket.readAll();
    reply += socket.readAll();
    if (reply.startsWith("OK\n")) {
        std::fwrite(reply.constData() + 3, 1, size_t(reply.size() - 3), stdout);
        return 0;
    }
    std::fprintf(stderr, "mousecfg-gadget: %s",
                 reply.startsWith("ERR ") ? reply.constData() + 4 : "no reply\n");
    return 1;
}

} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments().mid(1);
    if (args.value(0) == QLatin1String("serve"))
        return serve(args.mid(1));
    if (args.value(0) == QLatin1String("ctl"))
        return control(args.mid(1));
    std::fprintf(stderr, "%s", qPrintable(usage()));
    return args.value(0) == QLatin1String("--help") ? 0 : 64;
}
