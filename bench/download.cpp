// SPDX-License-Identifier: GPL-3.0-or-later
// A whole download with twelve macros against the virtual mouse in real time
// with no added latency, compared with the pauses the protocol mandates:
// 10 ms after each write and 50 ms per macro built.

#include "BenchMacros.h"
#include "device/ConfigurationDownload.h"
#include "device/DeviceState.h"
#include "hid/DeviceLink.h"
#include "protocol/FunctionTable.h"
#include "protocol/SensorTables.h"
#include "sim/VirtualMouse.h"
#include "storage/ModelDescription.h"
#include "storage/ProfileSet.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QTextStream>

namespace {

using BenchMacros::kMacros;
constexpr int kRounds = 3;

void discardMessage(QtMsgType, const QMessageLogContext&, const QString&) {}

ProfileSet stateWithMacros()
{
    ProfileSet set;
    for (int m = 0; m < kMacros; ++m) {
        set.profiles[0].buttons[m].Fun = FunctionTable::Macro;
        set.profiles[0].buttons[m].macroname = BenchMacros::name(m);
    }
    return set;
}

ModelDescription model()
{
    ModelDescription info;
    info.sensorType = 3389;
    info.buttonCount = ModelDescription::kButtonSlots;
    for (int i = 0; i < ModelDescription::kButtonSlots; ++i)
        info.slotTable[i] = quint8(i);
    return info;
}

} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    qInstallMessageHandler(discardMessage);
    QTextStream out(stdout);
    QTemporaryDir dir;
    const AppPaths paths(dir.path());
    BenchMacros::save(paths);

    VirtualMouseOptions options;
    options.realTime = true;
    auto mouse = std::make_shared<VirtualMouse>(options);
    DeviceLink link(mouse, mouse->clock());
    link.reset(QStringLiteral("BENCH"));
    link.scan();
    link.open(QStringLiteral("BENCH"));
    DeviceState deviceState;
    ConfigurationDownload download(link, deviceState, paths, SensorTables::shipped());
    const ProfileSet state = stateWithMacros();

    for (int round = 0; round < kRounds; ++round) {
        mouse->resetCounters();
        QElapsedTimer timer;
        timer.start();
        const quint8 result = download.downloadConfiguration(state, model());
        const double elapsedMs = timer.nsecsElapsed() / 1e6;
        const int writes = mouse->counters().writes;
        const double mandatedMs = BenchMacros::mandatedWaitsMs(writes, kMacros);
        out << "download with " << kMacros << " macros: result " << result << ", " << writes << " transfers, "
            << QString::number(elapsedMs, 'f', 1) << " ms; mandated waits "
            << QString::number(mandatedMs, 'f', 0) << " ms; ratio "
            << QString::number(elapsedMs / mandatedMs, 'f', 4) << "\n";
        out.flush();
    }
    return 0;
}
