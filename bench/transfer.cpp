// SPDX-License-Identifier: GPL-3.0-or-later
// Time per transfer against the virtual mouse in real time with no added
// latency: what the transfer itself costs beyond the pauses the protocol
// mandates (10 ms after each write).

#include "hid/DeviceLink.h"
#include "sim/VirtualMouse.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QLoggingCategory>
#include <QTextStream>

#include <array>

namespace {
constexpr int kRounds = 100;
constexpr double kMandatedWaitMs = 10.0;

using Report = std::array<quint8, 64>;

Report beginMarker()
{
    Report report{};
    report[2] = 0xAA;
    report[3] = 0x55;
    report[32] = 0x00; // NOT of 0xAA + 0x55
    return report;
}

Report selectProfile()
{
    Report report{};
    const quint8 bytes[] = {0x00, 0x05, 0x00, 0xFA, 0x44, 0x01};
    std::copy(std::begin(bytes), std::end(bytes), report.begin());
    return report;
}

void discardMessage(QtMsgType, const QMessageLogContext&, const QString&) {}

// Milliseconds per transfer over kRounds transfers of report; -1 if any failed.
double timePerTransfer(DeviceLink& link, const Report& report)
{
    QElapsedTimer timer;
    timer.start();
    for (int i = 0; i < kRounds; ++i) {
        if (link.transfer(report.data(), 33) != TransferOk)
            return -1;
    }
    return timer.nsecsElapsed() / 1e6 / kRounds;
}

void measure(QTextStream& out, const char* label, bool withLog, bool demoLatency = false)
{
    VirtualMouseOptions options = VirtualMouseOptions::demo();
    if (!demoLatency) {
        options.writeLatencyUs = 0;
        options.replyLatencyUs = 0;
    }
    auto mouse = std::make_shared<VirtualMouse>(options);
    DeviceLink link(mouse, mouse->clock());
    link.reset(QStringLiteral("BENCH"));
    link.scan();
    link.open(QStringLiteral("BENCH"));

    QLoggingCategory::setFilterRules(withLog ? QStringLiteral("mousecfg.*.debug=true")
                                             : QStringLiteral("mousecfg.*.debug=false"));
    for (const auto& [kind, report] :
         {std::pair{"verified  ", beginMarker()}, {"unverified", selectProfile()}}) {
        const double ms = timePerTransfer(link, report);
        out << label << ' ' << kind << ": " << QString::number(ms, 'f', 3) << " ms per transfer, "
            << QString::number(ms / kMandatedWaitMs, 'f', 4) << " x the mandated 10 ms\n";
    }
}
} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    qInstallMessageHandler(discardMessage);
    QTextStream out(stdout);
    out << kRounds << " transfers each, virtual mouse in real time, no added latency\n";
    measure(out, "log off", false);
    measure(out, "log on ", true);
    out << "for comparison, with the demonstration latency (1 ms per write, reply 3 ms later):\n";
    measure(out, "log off", false, true);
    return 0;
}
