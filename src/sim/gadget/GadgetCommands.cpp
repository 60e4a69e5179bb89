// SPDX-License-Identifier: GPL-3.0-or-later
#include "sim/VirtualMouse.h"
#include "sim/gadget/GadgetServer.h"

// The control socket's commands: each takes its words (the command first)
// and answers with its output, or with the reason when ok is false.

namespace {

struct Command
{
    const char* name;
    int minWords;
    int maxWords;
    QByteArray (GadgetServer::*run)(const QStringList& words, bool& ok);
};

} // namespace

QString gadgetCommandHelp()
{
    return QStringLiteral("  info                      identities, controllers and device nodes as JSON\n"
                          "  plug receiver|cable       bind the identity to its controller\n"
                          "  unplug receiver|cable     unbind it\n"
                          "  press-dpi                 the DPI button: next stage, status sent on its own\n"
                          "  battery LEVEL [EXTRA]     the battery bytes the status reply carries\n"
                          "  fault KIND@N[:AMOUNT]     as --virtual-fault, counted from the next report\n"
                          "                            the host writes; timeout holds the reply back for\n"
                          "                            AMOUNT of the host's reads\n"
                          "  clear-faults              drop armed faults\n"
                          "  state                     the on-board state as JSON (as --dump-device)\n"
                          "  trace | clear-trace       the reports that crossed, W written, R read\n"
                          "  reset                     a new mouse: factory state, no faults, no trace\n"
                          "  quit                      unplug, remove the gadgets and end\n");
}

QByteArray GadgetServer::execute(const QStringList& words, bool& ok)
{
    static const Command commands[] = {
        {"info", 1, 1, &GadgetServer::infoCommand},
        {"plug", 2, 2, &GadgetServer::plugCommand},
        {"unplug", 2, 2, &GadgetServer::plugCommand},
        {"press-dpi", 1, 1, &GadgetServer::pressDpiCommand},
        {"battery", 2, 3, &GadgetServer::batteryCommand},
        {"fault", 2, 2, &GadgetServer::faultCommand},
        {"clear-faults", 1, 1, &GadgetServer::resetCommand},
        {"state", 1, 1, &GadgetServer::stateCommand},
        {"trace", 1, 1, &GadgetServer::traceCommand},
        {"clear-trace", 1, 1, &GadgetServer::resetCommand},
        {"reset", 1, 1, &GadgetServer::resetCommand},
        {"quit", 1, 1, &GadgetServer::quitCommand},
    };
    ok = false;
    for (const Command& command : commands) {
        if (words.value(0) == QLatin1String(command.name) && words.size() >= command.minWords &&
            words.size() <= command.maxWords)
            return (this->*command.run)(words, ok);
    }
    return "unknown command: " + words.join(QLatin1Char(' ')).toUtf8() + " (see --help)";
}

QByteArray GadgetServer::infoCommand(const QStringList&, bool& ok)
{
    ok = true;
    return info();
}

QByteArray GadgetServer::plugCommand(const QStringList& words, bool& ok)
{
    const int index = identityNamed(words.at(1));
    if (index < 0)
        return "no identity " + words.at(1).toUtf8() + " (receiver or cable)";
    QString error;
    ok = setPlugged(index, words.at(0) == QLatin1String("plug"), error);
    return error.toUtf8();
}

QByteArray GadgetServer::pressDpiCommand(const QStringList&, bool& ok)
{
    m_mouse->pressDpiButton();
    wakeBridges();
    ok = true;
    return QByteArray();
}

QByteArray GadgetServer::batteryCommand(const QStringList& words, bool& ok)
{
    bool levelOk = false;
    bool extraOk = words.size() == 2;
    const uint level = words.at(1).toUInt(&levelOk);
    const uint extra = words.size() == 3 ? words.at(2).toUInt(&extraOk) : 0;
    if (!levelOk || !extraOk || level > 255 || extra > 255)
        return "battery needs a level and an optional extra byte, 0 to 255";
    m_mouse->setBattery(quint8(level), quint8(extra));
    ok = true;
    return QByteArray();
}

QByteArray GadgetServer::faultCommand(const QStringList& words, bool& ok)
{
    ScheduledFault fault;
    QString error;
    ok = ScheduledFault::parse(words.at(1), fault, error) && m_faults.arm(fault, error);
    return error.toUtf8();
}

QByteArray GadgetServer::stateCommand(const QStringList&, bool& ok)
{
    ok = true;
    return m_mouse->stateJson();
}

QByteArray GadgetServer::traceCommand(const QStringList&, bool& ok)
{
    QByteArray text;
    for (const TraceRecord& record : m_mouse->trace())
        text += record.toText().toLatin1() + '\n';
    ok = true;
    return text;
}

// clear-faults, clear-trace, and reset: both, and the factory state.
QByteArray GadgetServer::resetCommand(const QStringList& words, bool& ok)
{
    const QString command = words.at(0);
    if (command != QLatin1String("clear-trace")) {
        m_faults.clear();
        m_mouse->clearFaults();
    }
    if (command != QLatin1String("clear-faults"))
        m_mouse->clearTrace();
    if (command == QLatin1String("reset"))
        m_mouse->setState(OnBoardState());
    ok = true;
    return QByteArray();
}

QByteArray GadgetServer::quitCommand(const QStringList&, bool& ok)
{
    ok = true;
    return QByteArray();
}
