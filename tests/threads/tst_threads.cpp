// SPDX-License-Identifier: GPL-3.0-or-later
#include "device/ConfigurationDownload.h"
#include "device/DeviceState.h"
#include "device/OakGetBatteryThread.h"
#include "device/OakProcessThread.h"
#include "hid/DeviceLink.h"
#include "hid/ModelIds.h"
#include "hid/StopFlag.h"
#include "hid/VirtualClock.h"
#include "protocol/SensorTables.h"
#include "storage/AppConfig.h"
#include "support/TempAppDir.h"
#include "support/VirtualLink.h"
#include "widgets/OakProcessDialog.h"

#include <QSettings>
#include <QtTest>
#include <atomic>

namespace {

// Reports the vendor interface delivers, one per read, and the reports
// written to it. An empty entry is a silence as long as the poll listens:
// the reads that time out within it all take it.
struct Script
{
    QVector<QByteArray> reports;
    QVector<QByteArray> writes;
    int silentMs = 0;
    std::atomic<int> reads{0};
};

class ScriptedDevice : public HidDevice
{
public:
    explicit ScriptedDevice(std::shared_ptr<Script> script) : m_script(std::move(script)) {}
    int write(const quint8* data, int length) override
    {
        m_script->writes.append(QByteArray(reinterpret_cast<const char*>(data), length));
        return length;
    }
    int read(quint8* data, int length, int timeoutMs) override
    {
        ++m_script->reads;
        if (m_script->reports.isEmpty())
            return 0;
        if (m_script->reports.first().isEmpty()) {
            m_script->silentMs += timeoutMs;
            if (m_script->silentMs >= OakGetBatteryThread::kListenMs) {
                m_script->reports.removeFirst();
                m_script->silentMs = 0;
            }
            return 0;
        }
        const QByteArray report = m_script->reports.takeFirst();
        const int n = std::min(length, int(report.size()));
        std::copy_n(report.constData(), n, reinterpret_cast<char*>(data));
        return n;
    }

private:
    std::shared_ptr<Script> m_script;
};

class ScriptedBackend : public HidBackend
{
public:
    explicit ScriptedBackend(std::shared_ptr<Script> script) : m_script(std::move(script)) {}
    bool init() override { return true; }
    void exit() override {}
    QVector<HidDeviceInfo> enumerate(quint16, quint16) override
    {
        HidDeviceInfo pointer{"pointer", kModelVendorId, kModelReceiverProductId, 0x100, 0x0001, 0x0002, 0};
        HidDeviceInfo vendor{"vendor", kModelVendorId, kModelReceiverProductId, 0x100, 0xFF00, 0xFF00, 2};
        return {pointer, vendor};
    }
    std::unique_ptr<HidDevice> open(const QByteArray&) override
    {
        return std::make_unique<ScriptedDevice>(m_script);
    }
    int releaseNumber(const QByteArray&) override { return 0x100; }

private:
    std::shared_ptr<Script> m_script;
};

QByteArray statusReply(quint8 battery, quint8 extra, quint8 stageByte, quint8 rate)
{
    QByteArray reply = QByteArray::fromHex("0aaaffdd").leftJustified(32, '\0');
    reply[4] = char(battery);
    reply[5] = char(extra);
    reply[6] = char(stageByte);
    reply[7] = char(rate);
    return reply;
}

// A clock whose pauses last until the pauser is asked to stop (or, for a
// pause that cannot be cut short, far longer than any test waits).
class EndlessPauses : public VirtualClock
{
public:
    void sleepUs(qint64) override { StopFlag().waitFor(std::chrono::seconds(30)); }
    bool sleepUsUnless(qint64, const StopFlag& stop) override
    {
        return stop.waitFor(std::chrono::seconds(30));
    }
};

struct ScriptedLink
{
    std::shared_ptr<Script> script = std::make_shared<Script>();
    DeviceLink link;
    explicit ScriptedLink(std::shared_ptr<Clock> clock = std::make_shared<VirtualClock>())
        : link(std::make_shared<ScriptedBackend>(script), std::move(clock))
    {
        link.reset(QStringLiteral("scripted"));
        link.scan();
        link.open(QStringLiteral("scripted"));
    }
};

void nameProfiles(ProfileSet& set)
{
    for (int i = 0; i < ProfileSet::kProfiles; ++i)
        set.profileNames[i] = QStringLiteral("Profile %1").arg(i + 1);
}

using Args = QList<QVariant>;

Args args(std::initializer_list<int> values)
{
    Args list;
    for (int v : values)
        list.append(QVariant::fromValue(quint8(v)));
    return list;
}

} // namespace

// The status poll and the background apply.
class TestThreads : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void queryCycleReportsBatteryAndStatus();
    void listeningCycleReportsStatusOnly();
    void repeatedReportsAreSentOnce();
    void queryRepeatsAfterTheListeningCycles();
    void noVendorInterfaceEndsThePoll();
    void stopWaitsForThePollToLeave();
    void aStopEndsThePollsPauseAtOnce();
    void failedDownloadStillSavesStateAndClosesTheDialog();
    void successfulApplyClearsUnchangedMacroMarks();
    void stoppedApplyDoesNothing();
};

void TestThreads::initTestCase()
{
    QLoggingCategory::setFilterRules(QStringLiteral("mousecfg.*.debug=false"));
}

void TestThreads::queryCycleReportsBatteryAndStatus()
{
    ScriptedLink s;
    OakGetBatteryThread poll(s.link);
    QSignalSpy battery(&poll, &OakGetBatteryThread::RefreshBatteryStatus);
    QSignalSpy status(&poll, &OakGetBatteryThread::RefreshStatus);
    s.script->reports = {QByteArray(), statusReply(0x50, 0x07, 0x13, 0x01)};
    QVERIFY(poll.runCycle());
    QCOMPARE(s.script->writes, QVector<QByteArray>{QByteArray(1, '\0') + sealedPayload("0aaaffdd")});
    QCOMPARE(battery.count(), 1);
    QCOMPARE(battery.at(0), args({0, 0x50, 0x07}));
    QCOMPARE(status.count(), 1);
    QCOMPARE(status.at(0), args({0, 3, 1, 0})); // stage byte 0x13 is stage 3
}

void TestThreads::listeningCycleReportsStatusOnly()
{
    ScriptedLink s;
    OakGetBatteryThread poll(s.link);
    QVERIFY(poll.runCycle()); // the first cycle queries; nothing answers
    QSignalSpy battery(&poll, &OakGetBatteryThread::RefreshBatteryStatus);
    QSignalSpy status(&poll, &OakGetBatteryThread::RefreshStatus);
    QByteArray foreign = statusReply(0x40, 0, 2, 4);
    foreign[2] = char(0xFE);
    s.script->reports = {statusReply(0x40, 0, 0x02, 0x04), foreign};
    QVERIFY(poll.runCycle());
    QVERIFY(poll.runCycle());
    QCOMPARE(battery.count(), 0);
    QCOMPARE(status.count(), 1);
    QCOMPARE(status.at(0), args({0, 2, 4, 0}));
    QCOMPARE(s.script->writes.size(), 1); // listening cycles write nothing
}

void TestThreads::repeatedReportsAreSentOnce()
{
    ScriptedLink s;
    OakGetBatteryThread poll(s.link);
    QSignalSpy battery(&poll, &OakGetBatteryThread::RefreshBatteryStatus);
    QSignalSpy status(&poll, &OakGetBatteryThread::RefreshStatus);
    s.script->reports = {QByteArray(), statusReply(0x50, 0, 0x01, 0x01)};
    QVERIFY(poll.runCycle());
    s.script->reports = {statusReply(0x50, 0, 0x01, 0x01), statusReply(0x50, 0, 0x02, 0x01),
                         statusReply(0x50, 0, 0x02, 0x01)};
    for (int i = 0; i < 3; ++i)
        QVERIFY(poll.runCycle());
    QCOMPARE(battery.count(), 1);
    QCOMPARE(status.count(), 2); // stage 1, then stage 2 once
    QCOMPARE(status.at(1), args({0, 2, 1, 0}));
}

void TestThreads::queryRepeatsAfterTheListeningCycles()
{
    ScriptedLink s;
    OakGetBatteryThread poll(s.link);
    QVERIFY(poll.runCycle());
    QCOMPARE(s.script->writes.size(), 1);
    for (int cycle = 1; cycle < OakGetBatteryThread::kQueryPeriod - 1; ++cycle)
        QVERIFY(poll.runCycle());
    QCOMPARE(s.script->writes.size(), 1);
    QCOMPARE(poll.cycleCounter(), OakGetBatteryThread::kQueryPeriod - 1);
    // The listening cycle that completes the period is followed by the query.
    QVERIFY(poll.runCycle());
    QCOMPARE(s.script->writes.size(), 2);
    QCOMPARE(poll.cycleCounter(), 1);
}

void TestThreads::noVendorInterfaceEndsThePoll()
{
    VirtualLink v;
    v.link().closeAll();
    OakGetBatteryThread poll(v.link());
    QSignalSpy battery(&poll, &OakGetBatteryThread::RefreshBatteryStatus);
    QSignalSpy status(&poll, &OakGetBatteryThread::RefreshStatus);
    poll.start();
    QVERIFY(poll.wait(10000));
    QCOMPARE(battery.count(), 1);
    QCOMPARE(battery.at(0), args({0, 0, 0}));
    QCOMPARE(status.count(), 0);
}

// Whoever stops the poll (an apply about to start, say) does not wait out
// the poll's pauses: asked to stop, it leaves in the middle of one.
void TestThreads::aStopEndsThePollsPauseAtOnce()
{
    ScriptedLink s(std::make_shared<EndlessPauses>());
    OakGetBatteryThread poll(s.link);
    poll.start();
    // The first listening is over and its pause begins.
    QTRY_COMPARE(s.script->reads.load(),
                 OakGetBatteryThread::kListenMs / OakGetBatteryThread::kListenSliceMs);
    poll.requestStop();
    QTRY_VERIFY_WITH_TIMEOUT(poll.isFinished(), 10000);
}

void TestThreads::stopWaitsForThePollToLeave()
{
    VirtualLink v;
    auto poll = std::make_unique<OakGetBatteryThread>(v.link());
    // The reports are taken in on this thread, as the window takes them: a
    // spy would keep them in a list the poll's thread writes.
    QVector<quint8> levels;
    QObject here;
    QObject::connect(
        poll.get(), &OakGetBatteryThread::RefreshBatteryStatus, &here,
        [&levels](quint8, quint8 level, quint8) { levels.append(level); }, Qt::QueuedConnection);
    poll->start();
    QTRY_VERIFY_WITH_TIMEOUT(!levels.isEmpty(), 10000); // the virtual mouse answers the first query
    QCOMPARE(levels.first(), v.mouse().state().batteryLevel);
    poll->stop();
    QVERIFY(poll->isFinished());
    const int writes = v.mouse().counters().writes;
    v.link().closeAll(); // safe now: nothing polls any more
    poll.reset();
    QCOMPARE(v.mouse().counters().writes, writes);
}

void TestThreads::failedDownloadStillSavesStateAndClosesTheDialog()
{
    TempAppDir app;
    (void)AppConfig(app.paths()).setDiff(0);
    VirtualLink v;
    v.link().closeAll(); // the first transfer fails
    DeviceState deviceState;
    ConfigurationDownload download(v.link(), deviceState, app.paths(), SensorTables::shipped());

    ApplyJob job;
    job.paths = app.paths();
    job.modelName = QStringLiteral("Wren W8");
    nameProfiles(job.working);
    job.working.profiles[0].dpi = 5;
    job.working.LiftHigh = 2;
    OakProcessThread worker(download, job);
    OakProcessDialog dialog(app.paths().skinFile(QStringLiteral("process.png")));
    connect(&worker, &QThread::finished, &dialog, &OakProcessDialog::slotProcessDlg);
    worker.start();
    QCOMPARE(dialog.exec(), int(QDialog::Accepted));
    QVERIFY(worker.wait(10000));
    QCOMPARE(int(worker.result()), int(TransferNoDevice));
    QVERIFY(worker.outcome().sent == job.working);
    QCOMPARE(AppConfig(app.paths()).diff(), 1);
    QVERIFY(worker.outcome().saved.isOk());
    QVERIFY(QFileInfo::exists(app.paths().profileDir(job.modelName) + QStringLiteral("/Profile 1.prof")));
}

void TestThreads::successfulApplyClearsUnchangedMacroMarks()
{
    TempAppDir app;
    (void)AppConfig(app.paths()).setDiff(1);
    for (const char* name : {"kept", "fresh"})
        app.writeFile(QStringLiteral("Configs/MacroDB/%1.MSMACRO").arg(QLatin1String(name)),
                      "[Setting]\nCount=0\nWriteSign=1\n");
    VirtualLink v;
    DeviceState deviceState;
    ConfigurationDownload download(v.link(), deviceState, app.paths(), SensorTables::shipped());

    ProfileSet saved;
    nameProfiles(saved);
    saved.profiles[0].buttons[3].Fun = 200;
    saved.profiles[0].buttons[3].macroname = QStringLiteral("kept");
    ApplyJob job;
    job.paths = app.paths();
    job.working = saved;
    job.working.profiles[0].buttons[4].Fun = 200; // newly bound
    job.working.profiles[0].buttons[4].macroname = QStringLiteral("fresh");
    job.previous = saved;
    ModelDescription model;
    model.buttonCount = 5;
    for (int i = 0; i < 5; ++i)
        model.slotTable[i] = quint8(i);
    job.model = model;
    OakProcessThread worker(download, job);
    worker.start();
    QVERIFY(worker.wait(10000));
    QCOMPARE(int(worker.result()), 0);
    QCOMPARE(AppConfig(app.paths()).diff(), 0);
    const auto writeSign = [&](const char* name) {
        return QSettings(app.paths().macroDir() + QStringLiteral("/%1.MSMACRO").arg(QLatin1String(name)),
                         QSettings::IniFormat)
            .value(QStringLiteral("Setting/WriteSign"))
            .toInt();
    };
    QCOMPARE(writeSign("kept"), 0);
    QCOMPARE(writeSign("fresh"), 1);
    QCOMPARE(v.mouse().state().endMarkers, 1);
    QVERIFY(v.mouse().state().macroPartsWritten[1] != 0); // both macros reached the mouse
}

void TestThreads::stoppedApplyDoesNothing()
{
    TempAppDir app;
    (void)AppConfig(app.paths()).setDiff(1);
    VirtualLink v;
    DeviceState deviceState;
    ConfigurationDownload download(v.link(), deviceState, app.paths(), SensorTables::shipped());
    ApplyJob job;
    job.paths = app.paths();
    job.working.LiftHigh = 9;
    OakProcessThread worker(download, job);
    worker.setStop(true);
    worker.start();
    QVERIFY(worker.wait(10000));
    QCOMPARE(v.mouse().counters().writes, 0);
    QCOMPARE(AppConfig(app.paths()).diff(), 1);
}

QTEST_MAIN(TestThreads)
#include "tst_threads.moc"
