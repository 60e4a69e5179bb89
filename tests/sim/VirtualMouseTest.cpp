// SPDX-License-Identifier: GPL-3.0-or-later
#include "sim/VirtualMouse.h"
#include "hid/DeviceLink.h"
#include "hid/ModelIds.h"
#include "support/VirtualLink.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLoggingCategory>
#include <QSignalSpy>
#include <QtTest>

#include <array>
#include <thread>

namespace {
const QString kModel = QStringLiteral("TESTMOUSE");
using Report = std::array<quint8, 33>;

Report raw(std::initializer_list<quint8> payload)
{
    Report report{};
    std::copy(payload.begin(), payload.end(), report.begin() + 1);
    return report;
}

struct Rig
{
    explicit Rig(const VirtualMouseOptions& options = VirtualMouseOptions())
        : mouse(std::make_shared<VirtualMouse>(options)), link(mouse, mouse->clock())
    {
        link.reset(kModel);
        link.scan();
        link.open(kModel);
    }
    quint8 send(const Report& report) { return link.transfer(report.data(), 33); }
    QByteArray readReport(int timeoutMs = 50)
    {
        quint8 buffer[64] = {};
        const int n = link.vendorHandle()->read(buffer, 33, timeoutMs);
        return n > 0 ? QByteArray(reinterpret_cast<const char*>(buffer), n) : QByteArray();
    }

    std::shared_ptr<VirtualMouse> mouse;
    DeviceLink link;
};

QByteArray bytes(std::initializer_list<quint8> list)
{
    QByteArray result;
    for (quint8 byte : list)
        result.append(char(byte));
    return result;
}
} // namespace

class VirtualMouseTest : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { QLoggingCategory::setFilterRules(QStringLiteral("mousecfg.*.debug=false")); }
    void enumeratesEachPluggedIdentityWithItsTwoInterfaces();
    void answersTheStatusQuery();
    void reportsADpiButtonPressOnItsOwn();
    void decodesADownloadIntoItsOnBoardState();
    void rejectsABadChecksumAndCountsUnknownCommands();
    void printsItsStateAsJson();
    void signalsEveryInterfaceThatComesOrGoes();
    void unplugWakesABlockedRealTimeRead();
    void transfersInRealTime();
    void tracesEveryReportInBothDirections();
};

void VirtualMouseTest::enumeratesEachPluggedIdentityWithItsTwoInterfaces()
{
    VirtualMouseOptions options;
    options.cablePlugged = true;
    VirtualMouse mouse(options);
    const QVector<HidDeviceInfo> all = mouse.enumerate();
    QCOMPARE(all.size(), 4);
    const QVector<HidDeviceInfo> cable = mouse.enumerate(kModelVendorId, kModelCableProductId);
    QCOMPARE(cable.size(), 2);
    QCOMPARE(cable[0].usagePage, quint16(0x0001));
    QCOMPARE(cable[0].usage, quint16(0x0002));
    QCOMPARE(cable[0].interfaceNumber, 0);
    QCOMPARE(cable[1].usagePage, quint16(0xFF00));
    QCOMPARE(cable[1].usage, quint16(0xFF00));
    QCOMPARE(cable[1].interfaceNumber, 2);
    QVERIFY(cable[0].path.endsWith("&MI_00"));
    QVERIFY(cable[1].path.endsWith("&MI_02"));
    QCOMPARE(mouse.releaseNumber(cable[1].path), 0x0100);

    mouse.unplug(VirtualIdentity::Cable);
    QCOMPARE(mouse.enumerate().size(), 2);
    QCOMPARE(mouse.releaseNumber(cable[1].path), -1);
    QVERIFY(!mouse.open(cable[1].path));
    QVERIFY(!mouse.open(cable[0].path + "x"));
}

void VirtualMouseTest::answersTheStatusQuery()
{
    Rig rig;
    rig.mouse->setBattery(57, 3);
    rig.send(sealedReport<33>({0x01, 0x02, 0x04}));
    // The status query as the poll writes it, checksum 0x6F written out.
    const Report query = raw({0x0A, 0xAA, 0xFF, 0xDD, 0x00, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0,
                              0,    0,    0,    0,    0,    0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0x6F});
    QCOMPARE(rig.link.vendorHandle()->write(query.data(), 33), 33);
    const QByteArray reply = rig.readReport();
    QCOMPARE(reply.size(), 32);
    QCOMPARE(reply.left(8), bytes({0x0A, 0xAA, 0xFF, 0xDD, 57, 3, 0x02, 0x04}));
    QVERIFY(rig.readReport().isEmpty());
}

void VirtualMouseTest::reportsADpiButtonPressOnItsOwn()
{
    Rig rig;
    rig.mouse->setDpiStageCount(3);
    for (const quint8 expected : {1, 2, 0}) {
        rig.mouse->pressDpiButton();
        const QByteArray report = rig.readReport();
        QCOMPARE(report.left(4), bytes({0x0A, 0xAA, 0xFF, 0xDD}));
        QCOMPARE(quint8(report[6]), expected);
    }
    QCOMPARE(rig.mouse->state().dpiStage, quint8(0));
}

void VirtualMouseTest::decodesADownloadIntoItsOnBoardState()
{
    Rig rig;
    const Report commands[] = {
        sealedReport<33>({0x00, 0xAA, 0x55}),
        sealedReport<33>({0x01, 0x02, 0x04, 0x03, 0x05, 0x00}),
        sealedReport<33>({0x02, 0x06, 0x02, 0x0A, 0x01, 0x01, 0x00, 0xFF, 0x80, 0x00}),
        sealedReport<33>({0x07, 0x81, 0x00, 0x00, 0x00, 0x82, 0x00, 0x00, 0x00}),
        sealedReport<33>({0x09, 0x30, 0x00, 0x00, 0x00, 0x8F, 0x01, 0x1B, 0x00}),
        sealedReport<33>({0x05, 0x00, 0x32, 0x00, 0x32, 0x00, 0x01, 0x10, 0x00, 0x20, 0x00}),
        sealedReport<33>({0x06, 0x02, 0x05, 0x01, 0x06, 0x01}),
        sealedReport<33>({0x10, 0x84, 0x00, 0x00, 0x06, 0x01, 0x00}),
        sealedReport<33>({0x18}),
        sealedReport<33>({0x7B, 0x11}),
        sealedReport<33>({0x00, 0xCC, 0x33}),
        raw({0x05, 0x00, 0xFA, 0x44, 0x03, 0x00}),
        raw({0x05, 0x00, 0xFA, 0x40, 0xF3, 0x10}),
    };
    for (const Report& command : commands)
        QCOMPARE(rig.send(command), quint8(TransferOk));

    const OnBoardState state = rig.mouse->state();
    QCOMPARE(state.beginMarkers, 1);
    QCOMPARE(state.endMarkers, 1);
    QVERIFY(!state.downloadOpen);
    QCOMPARE(state.dpiStage, quint8(2));
    QCOMPARE(state.pollRate, quint8(4));
    QCOMPARE(state.ledMode, quint8(3));
    QCOMPARE(state.ledSpeed, quint8(5));
    QCOMPARE(state.optionsTag, quint8(0x06));
    QCOMPARE(state.liftHigh, quint8(2));
    QCOMPARE(state.ledSleepTime, quint8(10));
    QCOMPARE(state.moveLightOff, quint8(1));
    QCOMPARE(state.angleOrDebounce, quint8(1));
    QVERIFY((state.colour == std::array<quint8, 3>{0xFF, 0x80, 0x00}));
    QVERIFY((state.buttonSlots[0] == std::array<quint8, 4>{0x81, 0, 0, 0}));
    QVERIFY((state.buttonSlots[1] == std::array<quint8, 4>{0x82, 0, 0, 0}));
    QVERIFY((state.buttonSlots[14] == std::array<quint8, 4>{0x30, 0, 0, 0}));
    QVERIFY((state.buttonSlots[15] == std::array<quint8, 4>{0x8F, 0x01, 0x1B, 0}));
    QVERIFY((state.dpiStages[0] == std::array<quint8, 5>{0x00, 0x32, 0x00, 0x32, 0x00}));
    QVERIFY((state.dpiStages[1] == std::array<quint8, 5>{0x01, 0x10, 0x00, 0x20, 0x00}));
    QVERIFY((state.dpiStages[6] == std::array<quint8, 5>{0x02, 0x05, 0x01, 0x06, 0x01}));
    QCOMPARE(state.macroSlots[0][0], quint8(0x84));
    QCOMPARE(state.macroSlots[0][3], quint8(0x06));
    QCOMPARE(state.macroPartsWritten[0], quint16(0x101));
    // Slot 11's last part carries image bytes 240 to 255.
    QCOMPARE(state.macroSlots[11][240], quint8(0x11));
    QCOMPARE(state.macroPartsWritten[11], quint16(0x100));
    QCOMPARE(state.activeProfile, 3);
    QCOMPARE(state.commits, QVector<quint8>{0x10});
    QCOMPARE(state.rejectedCommands, 0);
    QCOMPARE(state.unknownCommands, 0);
}

void VirtualMouseTest::rejectsABadChecksumAndCountsUnknownCommands()
{
    Rig rig;
    Report wrong = sealedReport<33>({0x01, 0x05, 0x02});
    wrong[32] ^= 0x01;
    // The mouse still echoes it; it just does not apply it.
    QCOMPARE(rig.send(wrong), quint8(TransferOk));
    QCOMPARE(rig.mouse->state().rejectedCommands, 1);
    QCOMPARE(rig.mouse->state().dpiStage, quint8(0));

    rig.send(sealedReport<33>({0x03, 0x01}));
    QCOMPARE(rig.mouse->state().unknownCommands, 1);
}

void VirtualMouseTest::printsItsStateAsJson()
{
    Rig rig;
    rig.send(sealedReport<33>({0x01, 0x02, 0x08}));
    rig.send(sealedReport<33>({0x10, 0x84}));
    const QJsonObject json = QJsonDocument::fromJson(rig.mouse->stateJson()).object();
    QCOMPARE(json.value("performance").toObject().value("pollRate").toInt(), 8);
    QCOMPARE(json.value("buttonSlots").toArray().size(), 16);
    QCOMPARE(json.value("dpiStages").toArray().size(), 8);
    const QJsonObject macros = json.value("macroSlots").toObject();
    QCOMPARE(macros.keys(), QStringList{"0"});
    QVERIFY(macros.value("0").toObject().value("bytes").toString().startsWith("84 00"));
}

void VirtualMouseTest::signalsEveryInterfaceThatComesOrGoes()
{
    VirtualMouse mouse;
    QSignalSpy arrived(&mouse, &VirtualMouse::interfaceArrived);
    QSignalSpy removed(&mouse, &VirtualMouse::interfaceRemoved);
    mouse.unplug(VirtualIdentity::Cable);
    QCOMPARE(removed.count(), 0);
    mouse.plug(VirtualIdentity::Cable);
    QCOMPARE(arrived.count(), 2);
    const HidDeviceInfo first = arrived.at(0).at(0).value<HidDeviceInfo>();
    QCOMPARE(first.productId, kModelCableProductId);
    mouse.plug(VirtualIdentity::Cable);
    QCOMPARE(arrived.count(), 2);
    mouse.unplug(VirtualIdentity::Receiver);
    QCOMPARE(removed.count(), 2);
    QCOMPARE(removed.at(1).at(0).value<HidDeviceInfo>().usagePage, quint16(0xFF00));
    QVERIFY(!mouse.isPlugged(VirtualIdentity::Receiver));
}

void VirtualMouseTest::unplugWakesABlockedRealTimeRead()
{
    VirtualMouseOptions options;
    options.realTime = true;
    Rig rig(options);
    const std::shared_ptr<DeviceHandle> handle = rig.link.vendorHandle();
    int result = 0;
    std::thread reader([&] {
        quint8 buffer[64];
        result = handle->read(buffer, 33, -1);
    });
    rig.mouse->unplug(VirtualIdentity::Receiver);
    reader.join();
    QCOMPARE(result, -1);
}

void VirtualMouseTest::transfersInRealTime()
{
    VirtualMouseOptions options = VirtualMouseOptions::demo();
    options.writeLatencyUs = 0;
    options.replyLatencyUs = 0;
    Rig rig(options);
    QCOMPARE(rig.send(sealedReport<33>({0x00, 0xAA, 0x55})), quint8(TransferOk));
    QCOMPARE(rig.mouse->counters().reads, 1);
}

void VirtualMouseTest::tracesEveryReportInBothDirections()
{
    Rig rig;
    QStringList observed;
    rig.mouse->setTraceObserver([&](const TraceRecord& record) { observed.append(record.toText()); });
    rig.send(sealedReport<33>({0x00, 0xAA, 0x55}));
    rig.send(raw({0x05, 0x00, 0xFA, 0x44, 0x01}));
    const QVector<TraceRecord> trace = rig.mouse->trace();
    QCOMPARE(trace.size(), 3);
    QCOMPARE(observed.size(), 3);
    QCOMPARE(trace[0].bytes.size(), 33);
    QCOMPARE(trace[1].bytes.size(), 32);
    QVERIFY(observed[0].startsWith("W 00 00 aa 55 00"));
    QCOMPARE(observed[0].split(QLatin1Char(' ')).size(), 1 + 33);
    QVERIFY(observed[1].startsWith("R 00 aa 55 00"));
    QVERIFY(observed[2].startsWith("W 00 05 00 fa 44 01 00"));
    QVERIFY(trace[2].timeUs > trace[0].timeUs);
    rig.mouse->clearTrace();
    QVERIFY(rig.mouse->trace().isEmpty());
}

QTEST_GUILESS_MAIN(VirtualMouseTest)
#include "VirtualMouseTest.moc"
