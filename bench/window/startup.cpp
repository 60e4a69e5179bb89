// SPDX-License-Identifier: GPL-3.0-or-later
// Start-up cost of the main window: process start to the first paint of the
// window with five full profiles on the virtual mouse, against a bare Qt
// widgets window started the same way in the same run; and the resident
// memory of both at that moment. Usage: bench_startup [runs]
// The program runs itself as the child: bench_startup --child window|bare DIR

#include "app/MousecfgWidget.h"
#include "app/VirtualDeviceNotifier.h"
#include "app/WindowSetup.h"
#include "platform/PlatformServices.h"
#include "platform/fake/FakeOnScreenDisplay.h"
#include "platform/fake/FakePointerSpeed.h"
#include "platform/fake/FakeProgramLauncher.h"
#include "sim/DeviceSetup.h"
#include "storage/ProfileWorkspace.h"
#include "support/TempAppDir.h"
#include "widgets/UiSettings.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTextStream>
#include <algorithm>
#include <cstdio>

namespace {

void discardMessage(QtMsgType, const QMessageLogContext&, const QString&) {}

qint64 residentKiB()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray& line : status.readAll().split('\n'))
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().split(' ').first().toLongLong();
    return -1;
}

// Says "painted <KiB>" on the first paint of the watched window, then quits.
class FirstPaint : public QObject
{
public:
    explicit FirstPaint(QWidget* window) { window->installEventFilter(this); }

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::Paint && !m_done) {
            m_done = true;
            std::printf("painted %lld\n", static_cast<long long>(residentKiB()));
            std::fflush(stdout);
            QMetaObject::invokeMethod(qApp, &QCoreApplication::quit, Qt::QueuedConnection);
        }
        return false;
    }

private:
    bool m_done = false;
};

int runChild(const QString& kind, const QString& appDir)
{
    qInstallMessageHandler(discardMessage);
    if (kind == QLatin1String("bare")) {
        QWidget window;
        window.resize(999, 640);
        FirstPaint watch(&window);
        window.show();
        return QApplication::exec();
    }
    DeviceOptions deviceOptions;
    deviceOptions.virtualMouse = true;
    deviceOptions.virtualOptions = VirtualMouseOptions::demo();
    DeviceSetup devices = createDeviceSetup(deviceOptions);
    PlatformServices platform;
    platform.pointerSpeed = std::make_unique<FakePointerSpeed>();
    platform.onScreenDisplay = std::make_unique<FakeOnScreenDisplay>();
    platform.launcher = std::make_unique<FakeProgramLauncher>();
    UiSettings ui;
    WindowSetup setup{AppPaths(appDir),
                      *devices.services,
                      ui,
                      platform,
                      std::make_unique<VirtualDeviceNotifier>(*devices.virtualMouse),
                      nullptr};
    MousecfgWidget window(setup);
    FirstPaint watch(&window);
    window.show();
    return QApplication::exec();
}

struct Run
{
    double ms = 0;
    qint64 kib = 0;
};

Run runOnce(const QString& kind, const QString& appDir)
{
    QProcess child;
    QElapsedTimer timer;
    timer.start();
    child.start(QCoreApplication::applicationFilePath(), {QStringLiteral("--child"), kind, appDir});
    Run run;
    while (child.waitForReadyRead(30000)) {
        const QByteArray line = child.readLine();
        if (line.startsWith("painted")) {
            run.ms = timer.nsecsElapsed() / 1e6;
            run.kib = line.mid(8).trimmed().toLongLong();
            break;
        }
    }
    child.waitForFinished(30000);
    return run;
}

Run median(QVector<Run> runs)
{
    std::sort(runs.begin(), runs.end(), [](const Run& a, const Run& b) { return a.ms < b.ms; });
    return runs.at(runs.size() / 2);
}

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    if (argc == 4 && QByteArray(argv[1]) == "--child") {
        QApplication app(argc, argv);
        return runChild(QString::fromLocal8Bit(argv[2]), QString::fromLocal8Bit(argv[3]));
    }
    QApplication app(argc, argv);
    qInstallMessageHandler(discardMessage);
    QTextStream out(stdout);
    const int runs = argc > 1 ? std::max(1, atoi(argv[1])) : 5;

    // Five full profiles: a first start writes the factory profile to every slot.
    TempAppDir dir;
    {
        QProcess first;
        first.start(QCoreApplication::applicationFilePath(),
                    {QStringLiteral("--child"), QStringLiteral("window"), dir.path()});
        first.waitForFinished(60000);
    }
    QVector<Run> window;
    QVector<Run> bare;
    for (int i = 0; i < runs; ++i) {
        bare << runOnce(QStringLiteral("bare"), dir.path());
        window << runOnce(QStringLiteral("window"), dir.path());
    }
    const Run w = median(window);
    const Run b = median(bare);
    const auto list = [](const QVector<Run>& runs) {
        QString text;
        for (const Run& run : runs)
            text += QString::number(run.ms, 'f', 0) + QLatin1Char(' ');
        return text.trimmed();
    };
    out << "window runs (ms): " << list(window) << "\nbare runs (ms): " << list(bare) << "\n";
    out << QString::asprintf(
        "start to first paint (median of %d): window %.1f ms, bare window %.1f ms, ratio %.2f "
        "(goal: at most 1.5)\n",
        runs, w.ms, b.ms, b.ms > 0 ? w.ms / b.ms : 0.0);
    out << QString::asprintf("resident memory at first paint: window %.1f MiB, bare window %.1f MiB\n",
                             w.kib / 1024.0, b.kib / 1024.0);
    return w.ms > 0 && b.ms > 0 ? 0 : 1;
}
