// SPDX-License-Identifier: GPL-3.0-or-later
// A whole download with twelve macros against the virtual mouse in real time
// with no added latency, compared with the pauses the protocol mandates:
// 10 ms after each write and 50 ms per macro built.

#include "device/ConfigurationDownload.h"
#include "device/DeviceState.h"
#include "hid/DeviceLink.h"
#include "protocol/SensorTables.h"
#include "sim/VirtualMouse.h"
#include "storage/MacroFiles.h"
#include "storage/ModelDescription.h"
#include "storage/ProfileSet.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QTextStream>

namespace {

constexpr int kMacros = 12;
constexpr int kEventsPerMacro = 40;
constexpr int kRounds = 3;
constexpr double kWaitAfterWriteMs = 10.0;
constexpr double kWaitPerMacroMs = 50.0;

void discardMessage(QtMsgType, const QMessageLogContext&, const QString&) {}

void writeMacros(const AppPaths& paths)
{
    MacroFiles files(paths);
    for (int m = 0; m < kMacros; ++m) {
        MacroRecord macro;
        macro.name = QStringLiteral("bench%1").arg(m);
        for (int e = 0; e < kEventsPerMacro / 2; ++e) {
            macro.events.append(MacroEvent::keyPress(quint8(4 + e)));
            macro.events.append(MacroEvent::keyRelease(quint8(4 + e)));
        }
        (void)files.save(macro);
    }
}

ProfileSet stateWithMacros()
{
    ProfileSet set;
    for (int m = 0; m < kMacros; ++m) {
        set.profiles[0].buttons[m].Fun = 200;
        set.profiles[0].buttons[m].macroname = QStringLiteral("bench%1").arg(m);
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
    writeMacros(paths);

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
        const double mandatedMs = writes * kWaitAfterWriteMs + kMacros * kWaitPerMacroMs;
        out << "download with " << kMacros << " macros: result " << result << ", " << writes << " transfers, "
            << QString::number(elapsedMs, 'f', 1) << " ms; mandated waits "
            << QString::number(mandatedMs, 'f', 0) << " ms; ratio "
            << QString::number(elapsedMs / mandatedMs, 'f', 4) << "\n";
        out.flush();
    }
    return 0;
}
