// SPDX-License-Identifier: GPL-3.0-or-later
#include "protocol/CommandBuilder.h"
#include "device/DeviceCommands.h"
#include "storage/ModelDescription.h"
#include "protocol/FunctionTable.h"
#include "protocol/MacroNameTable.h"
#include "protocol/Payload.h"
#include "protocol/SensorTables.h"
#include "storage/ProfileSet.h"
#include "support/VirtualLink.h"

#include <QtTest>

namespace {

QByteArray bytes(const Payload& payload)
{
    return QByteArray(reinterpret_cast<const char*>(payload.data()), int(payload.size()));
}

// Every button sent through an identity slot table, except where a test
// says otherwise.
ModelDescription model(int sensorType = 3389)
{
    ModelDescription info;
    info.sensorType = sensorType;
    info.buttonCount = 8;
    const quint8 slotNumbers[] = {2, 0, 1, 3, 4, 5, 6, 7};
    std::copy(std::begin(slotNumbers), std::end(slotNumbers), info.slotTable);
    return info;
}

void setMacro(ButtonAssignment& button, int fun, const char* name, quint8 mode, int loops)
{
    button.Fun = fun;
    button.macroname = QString::fromLatin1(name);
    button.Res1 = mode;
    button.LoopNumber = loops;
}

// One button of each kind that has its own encoding, on sensor 3360.
ProfileData buttonProfile()
{
    ProfileData p;
    p.buttons[0].Fun = 1;
    p.buttons[1].Fun = FunctionTable::SingleKey;
    p.buttons[1].Res1 = 30; // key A
    p.buttons[2].Fun = FunctionTable::KeyCombination;
    const MacroEvent combination[] = {{0xE0, 0x05, 0x80}, {0xE1, 0x05, 0x80}, {0x06, 0x05, 0x80},
                                      {0x06, 0x05, 0x00}, {0xE1, 0x05, 0x00}, {0xE0, 0x05, 0x00}};
    std::copy(std::begin(combination), std::end(combination), p.buttons[2].KeyInfo);
    p.buttons[3].Fun = FunctionTable::FireKey;
    p.buttons[3].Res1 = 0x84;
    p.buttons[3].LoopNumber = 3;
    p.buttons[3].KeyNumber = 100;
    p.buttons[4].Fun = FunctionTable::Sniper;
    p.buttons[4].Res1 = 5;
    setMacro(p.buttons[5], 200, "alpha", 0, 0x0102);
    p.buttons[6].Fun = 31; // browser home
    setMacro(p.buttons[7], 200, "alpha", 0, 1);
    setMacro(p.buttons[40], 200, "beta", 1, 9);
    setMacro(p.buttons[41], 510, "gamma", 2, 9);
    return p;
}

} // namespace

// The command payloads, written out from the protocol tables, and how they
// cross the link.
class TestCommands : public QObject
{
    Q_OBJECT

private slots:
    void checksumOfTheStatusQuery();
    void framedCommandsAndTheirReadBack();
    void profileSwitchSequence();
    void performanceAndLightingPerMode();
    void deviceOptions();
    void dpiStages();
    void buttonTableEncodings();
    void wheelRecordsSwapWithScrollRev();
    void buttonTableStaysInsideTheSlotTable();
    void sequenceStopsAtTheFirstFailure();
};

void TestCommands::checksumOfTheStatusQuery()
{
    const quint8 query[] = {0x0A, 0xAA, 0xFF, 0xDD};
    QCOMPARE(int(payloadChecksum(query, 4)), 0x6F);
    QCOMPARE(bytes(CommandBuilder::statusQuery()).toHex(), sealedPayload("0aaaffdd").toHex());
    QCOMPARE(int(CommandBuilder::statusQuery()[31]), 0x6F);
    // Only the first 31 bytes count, whatever the count says.
    quint8 full[40];
    std::fill(std::begin(full), std::end(full), 0x01);
    QCOMPARE(int(payloadChecksum(full, 40)), 0xFF - 31);
}

void TestCommands::framedCommandsAndTheirReadBack()
{
    VirtualLink v;
    DeviceCommands commands(v.link(), SensorTables::shipped());
    QCOMPARE(int(commands.selectProfile(3)), 0);
    QCOMPARE(v.writtenPayloads(),
             QVector<QByteArray>{QByteArray::fromHex("0500fa440300").leftJustified(32, 0)});
    QCOMPARE(v.readCount(), 0); // succeeds without reading
    QCOMPARE(v.mouse().state().activeProfile, 3);

    v.clearTrace();
    QCOMPARE(int(commands.commitSettings(0x10)), 0);
    const QByteArray commit = QByteArray::fromHex("0500fa40f310").leftJustified(32, 0);
    QCOMPARE(v.writtenPayloads(), QVector<QByteArray>{commit});
    QCOMPARE(v.readCount(), 1);
    QCOMPARE(v.mouse().trace().last().bytes.left(32), commit); // the full echo was read

    // A mouse that echoes a different checksum byte fails the commit.
    VirtualMouseFaults faults;
    faults.corruptedEchoes = VirtualMouseFaults::kAlways;
    faults.corruptedByte = 31;
    v.mouse().setFaults(faults);
    QCOMPARE(int(commands.commitSettings(0x10)), int(TransferFailed));
}

void TestCommands::profileSwitchSequence()
{
    VirtualLink v;
    DeviceCommands commands(v.link(), SensorTables::shipped());
    QCOMPARE(int(commands.switchProfile(2)), 0);
    QCOMPARE(v.mouse().state().activeProfile, 2);
    QCOMPARE(v.mouse().state().commits, (QVector<quint8>{0x01, 0x04, 0x01, 0x02, 0x08, 0x10}));
    QCOMPARE(v.writtenPayloads().size(), 7);

    v.link().closeAll();
    v.clearTrace();
    QCOMPARE(int(commands.switchProfile(1)), int(TransferNoDevice));
    QVERIFY(v.writtenPayloads().isEmpty());
}

void TestCommands::performanceAndLightingPerMode()
{
    ProfileData p;
    p.dpi = 1;
    p.pollrate = 8;
    for (LedSetting& led : p.leds) {
        led.breath = 3;
        led.bright = 4;
    }
    const QVector<QPair<int, QByteArray>> expected = {
        {0, "010108000000"},                      // no speed, no brightness
        {1, "010108010004"},                      // no speed
        {2, "010108020304"}, {3, "010108030300"}, // 3 and 4: no brightness
        {4, "010108040300"}, {5, "010108050304"},
    };
    for (const auto& row : expected) {
        p.LedMode = quint8(row.first);
        QCOMPARE(bytes(CommandBuilder::performanceAndLighting(p)).toHex(), sealedPayload(row.second).toHex());
    }
    p.LedMode = 200; // a damaged file: no such mode
    QCOMPARE(bytes(CommandBuilder::performanceAndLighting(p)).toHex(), sealedPayload("010108c80000").toHex());
}

void TestCommands::deviceOptions()
{
    ProfileSet set;
    set.LiftHigh = 2;
    set.AngleValue = 7;
    set.Debounce = 9;
    set.Sync = 1;
    ProfileData& p = set.profiles[0];
    p.LedSleepTime = 5;
    p.LedMoveOFF = 0xFF;
    p.LedMode = 2;
    p.leds[2].colour = QColor(10, 20, 30);
    set.profiles[1].LedMoveOFF = 0; // only the first profile counts
    ModelDescription info = model();
    QCOMPARE(bytes(CommandBuilder::deviceOptions(set, info)).toHex(),
             sealedPayload("020602050007010a141e").toHex());
    p.LedMoveOFF = 0;
    info.syncMode = 3;
    QCOMPARE(bytes(CommandBuilder::deviceOptions(set, info)).toHex(),
             sealedPayload("020602050109010a141e").toHex());
    p.LedMoveOFF = 17;
    p.LedMode = 3; // no colour set for this mode
    QCOMPARE(bytes(CommandBuilder::deviceOptions(set, info)).toHex(),
             sealedPayload("02060205010901000000").toHex());
}

void TestCommands::dpiStages()
{
    ProfileSet set;
    ProfileData& p = set.profiles[0];
    p.stages[0].x = p.stages[0].y = 400;
    p.stages[1].x = 100;
    p.stages[1].y = 200;
    p.stages[5].x = p.stages[5].y = 8;
    p.stages[7].x = p.stages[7].y = 480;
    p.stages[7].used = 0; // sent all the same
    VirtualLink v;
    DeviceCommands commands(v.link(), SensorTables::shipped());
    QCOMPARE(int(commands.sendDpiStages(p, model(3389))), 0);
    const QVector<QByteArray> expected = {
        sealedPayload("05"
                      "01f000f000"
                      "006400c800"
                      "0000000000"
                      "0000000000"
                      "0000000000"
                      "0008000800"),
        sealedPayload("06"
                      "0000000000"
                      "0140014001"),
    };
    QCOMPARE(v.writtenPayloads(), expected);
    QCOMPARE(v.mouse().state().dpiStages[7], (std::array<quint8, 5>{0x01, 0x40, 0x01, 0x40, 0x01}));

    // 3360 with 121 sends range 1 and 60; with 120 range 0 and 119.
    p.stages[0].x = p.stages[0].y = 121;
    p.stages[1].x = p.stages[1].y = 120;
    const auto payloads = CommandBuilder::dpiStages(p, model(3360), SensorTables::shipped());
    QCOMPARE(bytes(payloads[0]).mid(1, 10).toHex(), QByteArray("013c003c00"
                                                               "0077007700"));
}

void TestCommands::buttonTableEncodings()
{
    VirtualLink v;
    DeviceCommands commands(v.link(), SensorTables::shipped());
    ProfileData p = buttonProfile();
    MacroNameTable names;
    names.assign(QStringLiteral("left over from before"));
    QCOMPARE(int(commands.sendButtonTable(p, model(3360), names)), 0);
    const QVector<QByteArray> expected = {
        sealedPayload("07"
                      "90000400"
                      "8f030600"
                      "81000000"
                      "9984030a"
                      "9a010404"
                      "91000201"
                      "8e012302"),
        sealedPayload("08"
                      "91000100"),
        sealedPayload("09"
                      "9181ffff"
                      "9d42ffff"),
    };
    QCOMPARE(v.writtenPayloads(), expected);
    // Shared names share a number; the third distinct name gets 2.
    QCOMPARE(names.size(), 3);
    QCOMPARE(names.find(QStringLiteral("alpha")), 0);
    QCOMPARE(names.find(QStringLiteral("beta")), 1);
    QCOMPARE(names.find(QStringLiteral("gamma")), 2);
    QCOMPARE(int(p.buttons[7].Res4), 0);
    QCOMPARE(int(p.buttons[41].Res4), 2);

    // Fire key without a target, sniper on other sensors, a key without a
    // usage and an unknown function.
    p.buttons[3].Res1 = 0;
    p.buttons[1].Res1 = 240; // a mouse button has no keyboard usage
    p.buttons[0].Fun = 999;
    v.clearTrace();
    QCOMPARE(int(commands.sendButtonTable(p, model(3389), names)), 0);
    QCOMPARE(v.writtenPayloads().first().left(21).toHex(), QByteArray("07"
                                                                      "90000000"
                                                                      "8f030600"
                                                                      "00000000"
                                                                      "99810300"
                                                                      "9a010505"));
    ProfileData sniper;
    sniper.buttons[0].Fun = FunctionTable::Sniper;
    sniper.buttons[0].Res1 = 3;
    const auto table = [&](int sensor) {
        return bytes(CommandBuilder::buttonTable(sniper, model(sensor), SensorTables::shipped(), names)[0]);
    };
    QCOMPARE(table(3325).mid(9, 4).toHex(), QByteArray("9a010606")); // T[3] of the 3325 table
    QCOMPARE(table(3370).mid(9, 4).toHex(), QByteArray("9a010404"));
}

void TestCommands::wheelRecordsSwapWithScrollRev()
{
    ProfileData p;
    p.buttons[40].Fun = 52;
    p.buttons[41].Fun = 53;
    MacroNameTable names;
    ModelDescription info = model();
    auto payloads = CommandBuilder::buttonTable(p, info, SensorTables::shipped(), names);
    QCOMPARE(bytes(payloads[2]).toHex(), sealedPayload("09"
                                                       "8b000000"
                                                       "8c000000")
                                             .toHex());
    info.scrollRev = 1;
    payloads = CommandBuilder::buttonTable(p, info, SensorTables::shipped(), names);
    QCOMPARE(bytes(payloads[2]).toHex(), sealedPayload("09"
                                                       "8c000000"
                                                       "8b000000")
                                             .toHex());
}

void TestCommands::buttonTableStaysInsideTheSlotTable()
{
    ProfileData p;
    for (ButtonAssignment& button : p.buttons)
        button.Fun = 2;
    MacroNameTable names;
    ModelDescription info = model();
    info.buttonCount = 42; // more than the slot table knows
    for (int i = 0; i < ModelDescription::kButtonSlots; ++i)
        info.slotTable[i] = quint8(i);
    info.slotTable[1] = 200;
    const auto payloads = CommandBuilder::buttonTable(p, info, SensorTables::shipped(), names);
    // Slot 1 belonged to record 1, whose slot number is out of range.
    QCOMPARE(bytes(payloads[0]).mid(1, 8).toHex(), QByteArray("8200000000000000"));
}

void TestCommands::sequenceStopsAtTheFirstFailure()
{
    VirtualLink v;
    DeviceCommands commands(v.link(), SensorTables::shipped());
    VirtualMouseFaults faults;
    faults.failingWrites = 1;
    v.mouse().setFaults(faults);
    ProfileSet set;
    QCOMPARE(int(commands.sendPerformanceAndLighting(set, model())), int(TransferWriteError));
    QCOMPARE(v.mouse().counters().writes, 1);
    QCOMPARE(v.mouse().state().optionsTag, quint8(0)); // 0x02 never went out
}

QTEST_GUILESS_MAIN(TestCommands)
#include "tst_commands.moc"
