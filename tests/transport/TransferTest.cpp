// SPDX-License-Identifier: GPL-3.0-or-later
#include "hid/DeviceLink.h"
#include "hid/ModelIds.h"
#include "sim/VirtualMouse.h"
#include "support/VirtualLink.h"

#include <QLoggingCategory>
#include <QSignalSpy>
#include <QtTest>

#include <array>
#include <atomic>
#include <thread>

namespace {
const QString kModel = QStringLiteral("TESTMOUSE");

using Report = std::array<quint8, 64>;

// 00 AA 55: read back and verified (payload byte 3 is 0).
const Report kBeginMarker = sealedReport<64>({0x00, 0xAA, 0x55});
// 05 00 FA 44 02: select profile 2, not read back (byte 3 is 0x44).
const Report kSelectProfile = [] {
    Report report{};
    const quint8 bytes[] = {0x00, 0x05, 0x00, 0xFA, 0x44, 0x02};
    std::copy(std::begin(bytes), std::end(bytes), report.begin());
    return report;
}();

VirtualMouseOptions plugged(bool receiver, bool cable)
{
    VirtualMouseOptions options;
    options.receiverPlugged = receiver;
    options.cablePlugged = cable;
    return options;
}

struct Rig
{
    explicit Rig(const VirtualMouseOptions& options = plugged(true, false))
        : mouse(std::make_shared<VirtualMouse>(options)), link(mouse, mouse->clock())
    {
        link.reset(kModel);
        link.scan();
        link.open(kModel);
    }
    quint8 send(const Report& report, int length = 33) { return link.transfer(report.data(), length); }
    void setFaults(void (*change)(VirtualMouseFaults&))
    {
        VirtualMouseFaults faults = mouse->faults();
        change(faults);
        mouse->setFaults(faults);
    }
    QByteArray lastWrittenPath() const
    {
        const QVector<TraceRecord> trace = mouse->trace();
        for (int i = trace.size() - 1; i >= 0; --i) {
            if (trace[i].direction == TraceRecord::Written)
                return trace[i].path;
        }
        return QByteArray();
    }

    std::shared_ptr<VirtualMouse> mouse;
    DeviceLink link;
};

QByteArray vendorPath(VirtualMouse& mouse, VirtualIdentity identity)
{
    for (const HidDeviceInfo& info : mouse.interfaces(identity)) {
        if (info.usagePage == 0xFF00)
            return info.path;
    }
    return QByteArray();
}

QStringList g_transferLog;
void captureTransferLog(QtMsgType, const QMessageLogContext& context, const QString& message)
{
    if (QByteArray(context.category) == "mousecfg.transfer")
        g_transferLog.append(message);
}
} // namespace

class TransferTest : public QObject
{
    Q_OBJECT
private slots:
    // Thousands of transfers run here; their step-by-step log would drown the
    // output. The test of the log turns it on for itself.
    void initTestCase() { QLoggingCategory::setFilterRules(QStringLiteral("mousecfg.*.debug=false")); }
    void prefersTheCableAndFallsBackToTheReceiver();
    void noVendorInterfaceWritesNothing();
    void commandWithoutReadBackCostsOneWriteAndTenMilliseconds();
    void echoedCommandIsVerified();
    void allZeroRepliesRewriteAndSucceedAtTheSixth();
    void allZeroRepliesAfterACheckFailureCountAsFailures();
    void wrongEchoIsReReadUntilTheRightOneArrives();
    void echoAlwaysWrongAtByte31Fails();
    void silentMouseFailsAfter32Reads();
    void writeErrorEndsTheTransfer();
    void failedRewriteIsAWriteError();
    void reportLengthBeyondTheBufferIsRefused();
    void logShows33BytesWhateverTheLength();
    void unplugInTheMiddleOfATransferFails();
    void transferRacingCloseAllStaysSafe();
};

void TransferTest::prefersTheCableAndFallsBackToTheReceiver()
{
    Rig receiverOnly(plugged(true, false));
    QCOMPARE(receiverOnly.send(kBeginMarker), quint8(TransferOk));
    QCOMPARE(receiverOnly.lastWrittenPath(), vendorPath(*receiverOnly.mouse, VirtualIdentity::Receiver));

    Rig both(plugged(true, true));
    QVERIFY(both.link.isOpen(ReceiverVendor));
    QVERIFY(both.link.isOpen(CableVendor));
    QCOMPARE(both.send(kBeginMarker), quint8(TransferOk));
    QCOMPARE(both.lastWrittenPath(), vendorPath(*both.mouse, VirtualIdentity::Cable));
    QCOMPARE(both.link.vendorHandle()->path(), vendorPath(*both.mouse, VirtualIdentity::Cable));
}

void TransferTest::noVendorInterfaceWritesNothing()
{
    Rig rig(plugged(false, false));
    QVERIFY(!rig.link.vendorHandle());
    QCOMPARE(rig.send(kBeginMarker), quint8(TransferNoDevice));
    QCOMPARE(rig.mouse->counters().writes, 0);
}

void TransferTest::commandWithoutReadBackCostsOneWriteAndTenMilliseconds()
{
    Rig rig;
    const qint64 start = rig.mouse->clock()->nowUs();
    QCOMPARE(rig.send(kSelectProfile), quint8(TransferOk));
    QCOMPARE(rig.mouse->clock()->nowUs() - start, qint64(10000));
    QCOMPARE(rig.mouse->counters().writes, 1);
    QCOMPARE(rig.mouse->counters().reads, 0);
    QCOMPARE(rig.mouse->state().activeProfile, 2);
}

void TransferTest::echoedCommandIsVerified()
{
    Rig rig;
    QCOMPARE(rig.send(kBeginMarker), quint8(TransferOk));
    QCOMPARE(rig.mouse->counters().writes, 1);
    QCOMPARE(rig.mouse->counters().reads, 1);
    const QVector<TraceRecord> trace = rig.mouse->trace();
    QCOMPARE(trace.size(), 2);
    QCOMPARE(trace[1].direction, TraceRecord::Read);
    QCOMPARE(trace[1].bytes, QByteArray(reinterpret_cast<const char*>(kBeginMarker.data()) + 1, 32));
}

void TransferTest::allZeroRepliesRewriteAndSucceedAtTheSixth()
{
    // Five zero replies: five uncounted rewrites, then the echo.
    Rig five;
    five.setFaults([](VirtualMouseFaults& f) { f.zeroReplies = 5; });
    QCOMPARE(five.send(kBeginMarker), quint8(TransferOk));
    QCOMPARE(five.mouse->counters().writes, 6);
    QCOMPARE(five.mouse->counters().reads, 6);

    // Nothing but zeros: the sixth is taken as success.
    Rig always;
    always.setFaults([](VirtualMouseFaults& f) { f.zeroReplies = VirtualMouseFaults::kAlways; });
    QCOMPARE(always.send(kBeginMarker), quint8(TransferOk));
    QCOMPARE(always.mouse->counters().writes, 6);
    QCOMPARE(always.mouse->counters().reads, 6);
}

void TransferTest::allZeroRepliesAfterACheckFailureCountAsFailures()
{
    // One wrong echo, then zeros for ever: the sixth zero reply is a check
    // failure, so the loop never reports success.
    Rig rig;
    rig.setFaults([](VirtualMouseFaults& f) {
        f.corruptedEchoes = 1;
        f.zeroReplies = VirtualMouseFaults::kAlways;
    });
    QCOMPARE(rig.send(kBeginMarker), quint8(TransferFailed));
}

void TransferTest::wrongEchoIsReReadUntilTheRightOneArrives()
{
    Rig rig;
    rig.setFaults([](VirtualMouseFaults& f) {
        f.corruptedEchoes = 3;
        f.corruptedByte = 7;
    });
    const qint64 start = rig.mouse->clock()->nowUs();
    QCOMPARE(rig.send(kBeginMarker), quint8(TransferOk));
    QCOMPARE(rig.mouse->counters().writes, 1);
    QCOMPARE(rig.mouse->counters().reads, 4);
    // The write pause and three re-read pauses.
    QCOMPARE(rig.mouse->clock()->nowUs() - start, qint64(10000 + 3 * 50000));
}

void TransferTest::echoAlwaysWrongAtByte31Fails()
{
    Rig rig;
    rig.setFaults([](VirtualMouseFaults& f) {
        f.corruptedEchoes = VirtualMouseFaults::kAlways;
        f.corruptedByte = 31;
    });
    QCOMPARE(rig.send(kBeginMarker), quint8(TransferFailed));
    QCOMPARE(rig.mouse->counters().reads, 22);
    QCOMPARE(rig.mouse->counters().writes, 3);
}

void TransferTest::silentMouseFailsAfter32Reads()
{
    // A read that times out returns 0 bytes; it must count as a failed read
    // and never pass as an all-zero reply.
    Rig rig;
    rig.setFaults([](VirtualMouseFaults& f) { f.timedOutReads = VirtualMouseFaults::kAlways; });
    QCOMPARE(rig.send(kBeginMarker), quint8(TransferFailed));
    QCOMPARE(rig.mouse->counters().reads, 32);
    QCOMPARE(rig.mouse->counters().readTimeouts, 32);
    QCOMPARE(rig.mouse->counters().writes, 3);
}

void TransferTest::writeErrorEndsTheTransfer()
{
    Rig rig;
    rig.setFaults([](VirtualMouseFaults& f) { f.failingWrites = 1; });
    QCOMPARE(rig.send(kBeginMarker), quint8(TransferWriteError));
    QCOMPARE(rig.mouse->counters().writes, 1);
    QCOMPARE(rig.mouse->counters().reads, 0);
    // The fault is used up; the next transfer goes through.
    QCOMPARE(rig.send(kBeginMarker), quint8(TransferOk));
}

void TransferTest::failedRewriteIsAWriteError()
{
    Rig rig;
    VirtualMouse* mouse = rig.mouse.get();
    rig.mouse->setTraceObserver([mouse](const TraceRecord&) {
        VirtualMouseFaults faults;
        faults.failingWrites = VirtualMouseFaults::kAlways;
        faults.timedOutReads = VirtualMouseFaults::kAlways;
        mouse->setFaults(faults);
    });
    QCOMPARE(rig.send(kBeginMarker), quint8(TransferWriteError));
    QCOMPARE(rig.mouse->counters().reads, 30);
    QCOMPARE(rig.mouse->counters().writes, 2);
}

void TransferTest::reportLengthBeyondTheBufferIsRefused()
{
    Rig rig;
    QVERIFY(rig.send(kBeginMarker, 65) != TransferOk);
    QVERIFY(rig.send(kBeginMarker, 0) != TransferOk);
    QVERIFY(rig.send(kBeginMarker, -1) != TransferOk);
    QCOMPARE(rig.mouse->counters().writes, 0);
    QCOMPARE(rig.send(kBeginMarker, 64), quint8(TransferOk));
}

void TransferTest::logShows33BytesWhateverTheLength()
{
    Rig rig;
    g_transferLog.clear();
    QLoggingCategory::setFilterRules(QStringLiteral("mousecfg.transfer.debug=true"));
    const QtMessageHandler previous = qInstallMessageHandler(captureTransferLog);
    rig.send(kSelectProfile, 9);
    rig.send(kBeginMarker, 33);
    qInstallMessageHandler(previous);
    QLoggingCategory::setFilterRules(QStringLiteral("mousecfg.*.debug=false"));

    const QStringList writes = g_transferLog.filter(QStringLiteral("hid_write length="));
    QCOMPARE(writes.size(), 2);
    QVERIFY(writes[0].startsWith(QStringLiteral("hid_write length=9 data=05 00 fa 44 02 00")));
    QVERIFY(writes[1].startsWith(QStringLiteral("hid_write length=33 data=00 aa 55")));
    for (const QString& line : writes)
        QCOMPARE(line.section(QLatin1Char('='), 2).split(QLatin1Char(' ')).size(), 33);
    QCOMPARE(g_transferLog.first(), QStringLiteral("start--------------------------------------"));
    QVERIFY(g_transferLog.contains(QStringLiteral("send success--------------------------------------")));
}

void TransferTest::unplugInTheMiddleOfATransferFails()
{
    Rig rig;
    QSignalSpy removed(rig.mouse.get(), &VirtualMouse::interfaceRemoved);
    VirtualMouse* mouse = rig.mouse.get();
    mouse->setTraceObserver([mouse](const TraceRecord& record) {
        if (record.direction == TraceRecord::Written)
            mouse->unplug(VirtualIdentity::Receiver);
    });
    QCOMPARE(rig.send(kBeginMarker), quint8(TransferWriteError));
    QCOMPARE(removed.count(), 2);
    QCOMPARE(rig.mouse->counters().readErrors, 30);

    // Plugged back, the old handles stay dead until the link re-opens.
    mouse->setTraceObserver(nullptr);
    mouse->plug(VirtualIdentity::Receiver);
    QVERIFY(rig.send(kBeginMarker) != TransferOk);
    rig.link.closeAll();
    rig.link.open(kModel);
    QCOMPARE(rig.send(kBeginMarker), quint8(TransferOk));
}

void TransferTest::transferRacingCloseAllStaysSafe()
{
    // One thread closes and re-opens the interfaces while another transfers
    // without pause: every transfer must end with a defined result, and no
    // handle may be closed under a call (the address sanitizer watches).
    Rig rig(plugged(true, true));
    std::atomic<bool> closerDone{false};
    std::atomic<int> undefinedResults{0};
    std::atomic<int> transfers{0};
    std::thread sender([&] {
        for (int i = 0; !closerDone || i < 100; ++i) {
            const quint8 result = rig.send(i % 2 ? kBeginMarker : kSelectProfile);
            if (result != TransferOk && result != TransferNoDevice && result != TransferFailed &&
                result != TransferWriteError)
                ++undefinedResults;
            ++transfers;
        }
    });
    for (int i = 0; i < 2000; ++i) {
        rig.link.closeAll();
        std::this_thread::yield();
        rig.link.open(kModel);
        std::this_thread::yield();
    }
    closerDone = true;
    sender.join();
    QCOMPARE(undefinedResults.load(), 0);
    QVERIFY(transfers >= 100);

    rig.link.closeAll();
    rig.link.open(kModel);
    QCOMPARE(rig.send(kBeginMarker), quint8(TransferOk));
}

QTEST_GUILESS_MAIN(TransferTest)
#include "TransferTest.moc"
