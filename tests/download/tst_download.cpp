// SPDX-License-Identifier: GPL-3.0-or-later
#include "device/ConfigurationDownload.h"
#include "device/DeviceState.h"
#include "hid/DeviceLogging.h"
#include "protocol/MacroImage.h"
#include "protocol/SensorTables.h"
#include "storage/ModelDescription.h"
#include "storage/ProfileSet.h"
#include "support/TempAppDir.h"
#include "support/VirtualLink.h"

#include <QtTest>

namespace {

ModelDescription identityModel(int buttons)
{
    ModelDescription info;
    info.sensorType = 3389;
    info.buttonCount = buttons;
    for (int i = 0; i < ModelDescription::kButtonSlots; ++i)
        info.slotTable[i] = quint8(i);
    return info;
}

// A macro file as the macro editor writes it.
QByteArray macroFile(const QVector<QByteArray>& events)
{
    QByteArray text = "[Setting]\nCount=" + QByteArray::number(events.size()) + "\n";
    for (int i = 0; i < events.size(); ++i) {
        const QByteArray e = QByteArray::fromHex(events.at(i));
        const QByteArray n = QByteArray::number(i);
        text += "Map_" + n + "=" + QByteArray::number(quint8(e[0])) + "\n";
        text += "DataL_" + n + "=" + QByteArray::number(quint8(e[1])) + "\n";
        text += "DataH_" + n + "=" + QByteArray::number(quint8(e[2])) + "\n";
    }
    return text;
}

void bindMacro(ButtonAssignment& button, const QString& name)
{
    button.Fun = 200;
    button.macroname = name;
}

bool isMacroCommand(const QByteArray& payload)
{
    return quint8(payload[0]) >= 0x10 && quint8(payload[0]) <= 0x7B;
}

QVector<QByteArray> macroCommands(const QVector<QByteArray>& payloads)
{
    QVector<QByteArray> found;
    for (const QByteArray& payload : payloads) {
        if (isMacroCommand(payload))
            found.append(payload);
    }
    return found;
}

// The nine commands of macro slot m carrying image (zero-filled to 256).
QVector<QByteArray> slotCommands(int m, const QByteArray& imageHex)
{
    const QByteArray image = QByteArray::fromHex(imageHex).leftJustified(256, '\0');
    QVector<QByteArray> commands;
    for (int k = 0; k < 8; ++k)
        commands.append(
            sealedPayload(QByteArray(1, char(16 + 9 * m + k)).toHex() + image.mid(30 * k, 30).toHex()));
    commands.append(sealedPayload(QByteArray(1, char(24 + 9 * m)).toHex() + image.mid(240, 16).toHex()));
    return commands;
}

struct Fixture
{
    TempAppDir app{false};
    VirtualLink v;
    DeviceState deviceState;
    ConfigurationDownload download{v.link(), deviceState, app.paths(), SensorTables::shipped()};

    void writeMacro(const QString& name, const QVector<QByteArray>& events)
    {
        app.writeFile(QStringLiteral("Configs/MacroDB/%1.MSMACRO").arg(name), macroFile(events));
    }
};

} // namespace

// A whole configuration written to the virtual mouse, command by command.
class TestDownload : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void fullDownloadByteForByte();
    void twelveMacrosMakeNineCommandsEach();
    void thirteenthMacroSendsNoMacro();
    void noMacroButtonsNoMacroCommands();
    void macroNamedAgainAfterItWasBuilt();
    void slotImageLayouts();
    void imagesAreCutAt200Bytes();
    void failedFirstTransferStopsTheDownload();
};

void TestDownload::initTestCase()
{
    QLoggingCategory::setFilterRules(QStringLiteral("mousecfg.transfer.debug=false"));
}

void TestDownload::fullDownloadByteForByte()
{
    Fixture f;
    f.writeMacro(QStringLiteral("keys"), {"840400", "040400"});
    f.writeMacro(QStringLiteral("timed"), {"060a00", "810100", "010100"});

    ProfileSet state;
    state.ProfileID = 3; // the first profile is written whatever is active
    state.LiftHigh = 2;
    state.AngleValue = 1;
    state.Sync = 1;
    ProfileData& p = state.profiles[0];
    p.pollrate = 2;
    p.dpi = 1;
    p.LedMode = 2;
    p.LedMoveOFF = 0xFF;
    p.LedSleepTime = 3;
    p.leds[2] = LedSetting{QColor(255, 128, 0), 360, 0, 0, 3, 2};
    p.stages[0].x = p.stages[0].y = 16;
    p.stages[1].x = 400;
    p.stages[1].y = 32;
    p.buttons[0].Fun = 1;
    p.buttons[1].Fun = 2;
    bindMacro(p.buttons[2], QStringLiteral("keys"));
    p.buttons[2].LoopNumber = 3;
    bindMacro(p.buttons[3], QStringLiteral("timed"));
    p.buttons[3].Res1 = 1;
    bindMacro(p.buttons[4], QStringLiteral("keys")); // the same macro again
    p.buttons[40].Fun = 52;
    p.buttons[41].Fun = 53;
    state.profiles[2].buttons[0].Fun = 3; // other profiles are not written

    QCOMPARE(int(f.download.downloadConfiguration(state, identityModel(5))), 0);

    QVector<QByteArray> expected = {
        sealedPayload("00aa55"),
        sealedPayload("010102020203"),
        sealedPayload("02060203000101ff8000"),
        sealedPayload("07"
                      "81000000"
                      "82000000"
                      "91000300"
                      "9181ffff"
                      "91000000"),
        sealedPayload("08"),
        sealedPayload("09"
                      "8b000000"
                      "8c000000"),
        // Stages never set hold level 0, below the sensor's lowest: they
        // go out at its lowest level, 2. Stage 2 carries X's range code (1)
        // for both axes: Y (level 32, of range 0) goes out at 321, the lowest
        // level of range 1, since 32 would be read as level 192.
        sealedPayload("05"
                      "0010001000"
                      "01f000a100"
                      "0002000200"
                      "0002000200"
                      "0002000200"
                      "0002000200"),
        sealedPayload("06"
                      "0002000200"
                      "0002000200"),
    };
    expected += slotCommands(0, "840400"
                                "040400"
                                "060100"
                                "000000");
    expected += slotCommands(1, "060a00"
                                "810100"
                                "010100");
    expected += sealedPayload("00cc33");
    const QVector<QByteArray> written = f.v.writtenPayloads();
    QCOMPARE(written.size(), expected.size());
    for (int i = 0; i < expected.size(); ++i)
        QCOMPARE(written.at(i).toHex(), expected.at(i).toHex());

    // The device layer keeps what it sent, macro slot numbers included.
    QCOMPARE(f.deviceState.set.profiles[2].buttons[0].Fun, 3);
    QCOMPARE(int(f.deviceState.set.ProfileID), 3);
    QCOMPARE(int(f.deviceState.set.profiles[0].buttons[3].Res4), 1);
    QCOMPARE(f.deviceState.model.buttonCount, 5);
    QCOMPARE(f.v.mouse().state().endMarkers, 1);
}

void TestDownload::twelveMacrosMakeNineCommandsEach()
{
    Fixture f;
    ProfileSet state;
    for (int i = 0; i < 12; ++i)
        bindMacro(state.profiles[0].buttons[i], QStringLiteral("macro%1").arg(i)); // no files: empty macros
    QCOMPARE(int(f.download.downloadConfiguration(state, identityModel(12))), 0);
    const QVector<QByteArray> written = f.v.writtenPayloads();
    // Two markers, two performance and lighting, three button-table, two DPI
    // and nine commands per macro.
    QCOMPARE(written.size(), 2 + 2 + 3 + 2 + 12 * 9);
    const QVector<QByteArray> macros = macroCommands(written);
    QCOMPARE(macros.size(), 108);
    for (int i = 0; i < 108; ++i)
        QCOMPARE(int(quint8(macros.at(i)[0])), 0x10 + i);
    // A missing macro file still gives an image: the end event.
    QCOMPARE(macros.at(0).toHex(), sealedPayload("10"
                                                 "060100")
                                       .toHex());
}

void TestDownload::thirteenthMacroSendsNoMacro()
{
    Fixture f;
    ProfileSet state;
    for (int i = 0; i < 13; ++i)
        bindMacro(state.profiles[0].buttons[i], QStringLiteral("macro%1").arg(i));
    QLoggingCategory::setFilterRules(QStringLiteral("mousecfg.transfer.debug=true"));
    if (lcTransfer().isDebugEnabled()) // the environment may silence the log
        QTest::ignoreMessage(QtDebugMsg, "iIndex>=MAX_MACRO_NUMBER_560");
    const quint8 result = f.download.downloadConfiguration(state, identityModel(13));
    QLoggingCategory::setFilterRules(QStringLiteral("mousecfg.transfer.debug=false"));
    QCOMPARE(int(result), 0);
    const QVector<QByteArray> written = f.v.writtenPayloads();
    QVERIFY(macroCommands(written).isEmpty());
    QCOMPARE(written.last().toHex(), sealedPayload("00cc33").toHex());
}

void TestDownload::noMacroButtonsNoMacroCommands()
{
    Fixture f;
    ProfileSet state;
    bindMacro(state.profiles[1].buttons[0], QStringLiteral("elsewhere")); // not in the first profile
    QCOMPARE(int(f.download.downloadConfiguration(state, identityModel(4))), 0);
    QCOMPARE(f.v.writtenPayloads().size(), 9);
    QVERIFY(macroCommands(f.v.writtenPayloads()).isEmpty());
}

void TestDownload::macroNamedAgainAfterItWasBuilt()
{
    // Once its only macro is built the name table is empty; a later button
    // naming that macro (here in another profile) must not throw away the
    // image already built.
    Fixture f;
    f.writeMacro(QStringLiteral("solo"), {"840500"});
    ProfileSet state;
    bindMacro(state.profiles[0].buttons[0], QStringLiteral("solo"));
    bindMacro(state.profiles[1].buttons[0], QStringLiteral("solo"));
    bindMacro(state.profiles[0].buttons[20], QStringLiteral("solo")); // beyond the sent buttons
    QCOMPARE(int(f.download.downloadConfiguration(state, identityModel(1))), 0);
    QCOMPARE(macroCommands(f.v.writtenPayloads()), slotCommands(0, "840500"
                                                                   "060100"
                                                                   "000000"));
}

void TestDownload::slotImageLayouts()
{
    const auto image = [](const QVector<QByteArray>& hexEvents) {
        QVector<MacroEvent> events;
        for (const QByteArray& hex : hexEvents) {
            const QByteArray e = QByteArray::fromHex(hex);
            events.append(MacroEvent{quint8(e[0]), quint8(e[1]), quint8(e[2])});
        }
        return MacroImage::slotImage(events).toHex();
    };
    const QByteArray a = "840400", b = "040400", c = "810100", d = "010100", p = "060100", z = "000000";
    QCOMPARE(image({}), p + z);
    QCOMPARE(image({a}), a + p + z);
    QCOMPARE(image({a, b, c}), a + b + c + p + p);
    QCOMPARE(image({a, b, c, d}), a + b + c + d + p + p + z);
    QCOMPARE(image({a, b, c, d, a}), a + b + c + d + p + a + p + z);
    const QByteArray eight = image({a, b, c, d, d, c, b, a});
    QCOMPARE(eight, a + b + c + d + p + d + c + b + a + p + p + z);
    QCOMPARE(eight.size() / 2, 36);
    // A macro with its own delays is sent exactly as stored.
    QCOMPARE(image({a, "060200", b, c, d, a}), a + "060200" + b + c + d + a);
}

void TestDownload::imagesAreCutAt200Bytes()
{
    Fixture f;
    QVector<QByteArray> events;
    for (int i = 0; i < 100; ++i)
        events.append(i % 2 ? "040400" : "840400");
    f.writeMacro(QStringLiteral("long"), events);
    ProfileSet state;
    bindMacro(state.profiles[0].buttons[0], QStringLiteral("long"));
    QCOMPARE(int(f.download.downloadConfiguration(state, identityModel(1))), 0);
    const QVector<QByteArray> macros = macroCommands(f.v.writtenPayloads());
    QCOMPARE(macros.size(), 9);
    const auto slot = f.v.mouse().state().macroSlots[0];
    QVERIFY(std::any_of(slot.begin() + 190, slot.begin() + 200, [](quint8 b) { return b != 0; }));
    QVERIFY(std::all_of(slot.begin() + 200, slot.end(), [](quint8 b) { return b == 0; }));
    QCOMPARE(macros.last().mid(1, 16), QByteArray(16, '\0'));
}

void TestDownload::failedFirstTransferStopsTheDownload()
{
    Fixture f;
    f.v.link().closeAll();
    ProfileSet state;
    state.profiles[0].dpi = 4;
    QCOMPARE(int(f.download.downloadConfiguration(state, identityModel(2))), int(TransferNoDevice));
    QCOMPARE(int(f.deviceState.set.profiles[0].dpi), 4);

    Fixture g;
    VirtualMouseFaults faults;
    faults.failingWrites = VirtualMouseFaults::kAlways;
    g.v.mouse().setFaults(faults);
    QCOMPARE(int(g.download.downloadConfiguration(state, identityModel(2))), int(TransferWriteError));
    QCOMPARE(g.v.mouse().counters().writes, 1);
}

QTEST_GUILESS_MAIN(TestDownload)
#include "tst_download.moc"
