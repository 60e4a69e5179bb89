// SPDX-License-Identifier: GPL-3.0-or-later
#include "protocol/DpiEncoding.h"
#include "protocol/DpiRule.h"
#include "protocol/KeyNormalisation.h"
#include "protocol/KeyTable.h"
#include "protocol/SensorTables.h"

#include <QtTest>

#include <cmath>

// The model data of the device layer: key names and usages, the sensor
// tables, and the level-to-DPI rule.
class TestProtocol : public QObject
{
    Q_OBJECT

private slots:
    void keyNamesInBothLabellings();
    void usagesMapBothWays();
    void keysWithoutUsageLeaveTheValue();
    void capturedKeysNormalise();
    void sensorTablesHoldTheKnownEntries_data();
    void sensorTablesHoldTheKnownEntries();
    void sensorTableLookupsStayInside();
    void damagedSensorTablesAreRefused();
    void levelToDpi_data();
    void levelToDpi();
    void levelRanges();
    void dpiStageEncoding_data();
    void dpiStageEncoding();
};

void TestProtocol::keyNamesInBothLabellings()
{
    using L = KeyTable::Labels;
    QCOMPARE(KeyTable::name(238), QStringLiteral("RCtr"));
    QCOMPARE(KeyTable::name(235), QStringLiteral("Num 7"));
    QCOMPARE(KeyTable::name(229), QStringLiteral("Num Enter"));
    QCOMPARE(KeyTable::name(28), QStringLiteral("Enter"));
    QCOMPARE(KeyTable::name(43), QStringLiteral("\\"));
    QCOMPARE(KeyTable::name(242), QStringLiteral("Middle Button"));
    QCOMPARE(KeyTable::name(16, L::French), QStringLiteral("a"));
    QCOMPARE(KeyTable::name(30, L::French), QStringLiteral("q"));
    QCOMPARE(KeyTable::name(3, L::French), QString::fromUtf8("\xC3\xA9"));
    QCOMPARE(KeyTable::name(4, L::French), QStringLiteral("\""));
    QCOMPARE(KeyTable::name(41, L::French), QString::fromUtf8("\xC2\xB2"));
    QCOMPARE(KeyTable::name(224, L::French), QStringLiteral("Num Del"));
    QCOMPARE(KeyTable::name(59, L::French), QStringLiteral("F1")); // same in both
    for (int unnamed : {0, 84, 85, 86, 89, 90, 94, 223, 243, 255, -1, 300})
        QVERIFY2(KeyTable::name(unnamed).isEmpty(), qPrintable(QString::number(unnamed)));

    QCOMPARE(KeyTable::labelsFor(2, 2), L::French);
    QCOMPARE(KeyTable::labelsFor(0, 2), L::English);
    QCOMPARE(KeyTable::labelsFor(-1, -1), L::English); // -1: no language uses French labels
}

void TestProtocol::usagesMapBothWays()
{
    QCOMPARE(KeyTable::usageCount(), 104);
    const QVector<QPair<int, int>> known = {{1, 0x29},   {16, 0x14},  {30, 0x04},  {29, 0xE0},  {42, 0xE1},
                                            {54, 0xE5},  {56, 0xE2},  {91, 0xE3},  {92, 0xE7},  {93, 0x65},
                                            {76, 0x5D},  {87, 0x44},  {224, 0x63}, {228, 0x61}, {237, 0x62},
                                            {238, 0xE4}, {239, 0xE6}, {57, 0x2C},  {14, 0x2A}};
    for (const auto& pair : known) {
        quint8 usage = 0;
        QVERIFY(KeyTable::usageForKey(pair.first, usage));
        QCOMPARE(int(usage), pair.second);
        quint8 code = 0;
        QVERIFY(KeyTable::keyForUsage(pair.second, code));
        QCOMPARE(int(code), pair.first);
    }
    // No two keys share a usage: every usage leads back to its own key.
    for (int code = 0; code < 256; ++code) {
        quint8 usage = 0;
        if (!KeyTable::usageForKey(code, usage))
            continue;
        quint8 back = 0;
        QVERIFY(KeyTable::keyForUsage(usage, back));
        QCOMPARE(int(back), code);
    }
}

void TestProtocol::keysWithoutUsageLeaveTheValue()
{
    quint8 usage = 0x77;
    QVERIFY(!KeyTable::usageForKey(240, usage));
    QVERIFY(!KeyTable::usageForKey(84, usage));
    QCOMPARE(int(usage), 0x77);
    quint8 code = 0x55;
    QVERIFY(!KeyTable::keyForUsage(0x00, code));
    QVERIFY(!KeyTable::keyForUsage(0x68, code)); // F13: not on the table
    QCOMPARE(int(code), 0x55);
}

void TestProtocol::sensorTablesHoldTheKnownEntries_data()
{
    QTest::addColumn<int>("table");
    QTest::addColumn<int>("size");
    QTest::addColumn<QVector<int>>("head");
    QTest::addColumn<QVector<int>>("tail");
    QTest::newRow("3311") << 3311 << 121 << QVector<int>{0, 0, 2, 3, 4, 5, 6, 7, 9, 10}
                          << QVector<int>{138, 140, 141, 142, 143};
    QTest::newRow("3325") << 3325 << 51 << QVector<int>{0, 2, 4, 6, 8, 11, 13, 15, 18, 20}
                          << QVector<int>{106, 108, 111, 113, 115};
    QTest::newRow("3327") << 3327 << 62 << QVector<int>{0, 4, 6, 9, 11, 13, 15, 18, 20, 22}
                          << QVector<int>{133, 135, 138, 140};
    QTest::newRow("3333") << 3333 << 80 << QVector<int>{188, 188, 4, 6, 9, 11, 14, 16, 18, 21}
                          << QVector<int>{178, 180, 182, 185};
    QTest::newRow("3335") << 3335 << 161 << QVector<int>{143, 0, 2, 3, 4, 5, 6, 7, 9, 10}
                          << QVector<int>{185, 186, 187, 188, 188};
}

void TestProtocol::sensorTablesHoldTheKnownEntries()
{
    QFETCH(int, table);
    QFETCH(int, size);
    QFETCH(QVector<int>, head);
    QFETCH(QVector<int>, tail);
    const SensorTables& tables = SensorTables::shipped();
    QVERIFY(tables.contains(table));
    QCOMPARE(tables.size(table), size);
    for (int i = 0; i < head.size(); ++i)
        QCOMPARE(int(tables.value(table, i)), head.at(i));
    const int tailStart = size - tail.size();
    for (int i = 0; i < tail.size(); ++i)
        QCOMPARE(int(tables.value(table, tailStart + i)), tail.at(i));

    // Until measured values arrive, the middle is the rounded straight line
    // between the last head entry and the first tail entry, and is marked.
    const int lastHead = head.size() - 1;
    QCOMPARE(tables.estimatedRange(table), qMakePair(lastHead + 1, tailStart - 1));
    const double slope = double(tail.first() - head.last()) / (tailStart - lastHead);
    for (int i = lastHead + 1; i < tailStart; ++i)
        QCOMPARE(int(tables.value(table, i)), int(std::floor(head.last() + slope * (i - lastHead) + 0.5)));
    for (int i = 3; i < size; ++i)
        QVERIFY(tables.value(table, i) >= tables.value(table, i - 1));
}

void TestProtocol::sensorTableLookupsStayInside()
{
    const SensorTables& tables = SensorTables::shipped();
    QCOMPARE(int(tables.value(3333, 80)), 185); // past the end: the last entry
    QCOMPARE(int(tables.value(3335, 200)), 188);
    QCOMPARE(int(tables.value(3311, -5)), 0);
    QCOMPARE(int(tables.value(4242, 3)), 0); // no such table
}

void TestProtocol::damagedSensorTablesAreRefused()
{
    QString error;
    SensorTables tables =
        SensorTables::fromJson("{\"tables\": {\"3311\": {\"values\": [1, 2, 300]}}}", &error);
    QVERIFY(!error.isEmpty());
    QVERIFY(!tables.contains(3311));
    tables = SensorTables::fromJson("not json", &error);
    QVERIFY(!error.isEmpty());
    tables = SensorTables::fromJson("{\"tables\": {\"3311\": {\"values\": [1, 2, 3]}}}", &error);
    QVERIFY(error.isEmpty());
    QCOMPARE(int(tables.value(3311, 2)), 3);
    QCOMPARE(tables.estimatedRange(3311), qMakePair(-1, -1));
}

void TestProtocol::levelToDpi_data()
{
    QTest::addColumn<int>("sensor");
    QTest::addColumn<int>("level");
    QTest::addColumn<int>("dpi");
    QTest::newRow("3360 120") << 3360 << 120 << 12000;
    QTest::newRow("3360 121") << 3360 << 121 << 12200;
    QTest::newRow("3360 180") << 3360 << 180 << 24000;
    QTest::newRow("3104 14 shows 500") << 3104 << 14 << 500;
    QTest::newRow("3104 15") << 3104 << 15 << 600;
    QTest::newRow("31042 107") << 31042 << 107 << 4320;
    QTest::newRow("3212 21") << 3212 << 21 << 800;
    QTest::newRow("3212 32") << 3212 << 32 << 1210 - 10; // 1210 shows 1200
    QTest::newRow("3212 64") << 3212 << 64 << 2430;
    QTest::newRow("3212 111") << 3212 << 111 << 7200;
    QTest::newRow("3327 105") << 3327 << 105 << 16200;
    QTest::newRow("3327 106") << 3327 << 106 << 16400;
    QTest::newRow("3327 61") << 3327 << 61 << 6200;
    QTest::newRow("3327 92") << 3327 << 92 << 12400;
    QTest::newRow("3325 90") << 3325 << 90 << 16000;
    QTest::newRow("3325 60") << 3325 << 60 << 7000;
    QTest::newRow("3333 120") << 3333 << 120 << 16000;
    QTest::newRow("33352 240") << 33352 << 240 << 32000;
    QTest::newRow("3370 290") << 3370 << 290 << 19000;
    QTest::newRow("3389 320") << 3389 << 320 << 16000;
    QTest::newRow("3389 480") << 3389 << 480 << 32000;
    QTest::newRow("3395 519") << 3395 << 519 << 26000;
    QTest::newRow("33952 779") << 33952 << 779 << 52000;
    QTest::newRow("3399 599") << 3399 << 599 << 40000;
    QTest::newRow("unknown sensor") << 1234 << 50 << 0;
}

void TestProtocol::levelToDpi()
{
    QFETCH(int, sensor);
    QFETCH(int, level);
    QFETCH(int, dpi);
    QCOMPARE(DpiRule::levelToDpi(sensor, level), dpi);
}

void TestProtocol::levelRanges()
{
    DpiLevelRange range = DpiRule::levelRange(3325, 1);
    QCOMPARE(range.maxLevel, 90);
    QCOMPARE(range.maxDpi, 16000);
    range = DpiRule::levelRange(3325, 0);
    QCOMPARE(range.maxLevel, 50);
    QCOMPARE(range.maxDpi, 5000);
    range = DpiRule::levelRange(3327, 0, QStringLiteral("CASCADE"));
    QCOMPARE(range.maxLevel, 92);
    QCOMPARE(range.maxDpi, 12400);
    QCOMPARE(DpiRule::levelRange(3327, 0, QStringLiteral("cascade")).maxLevel, 106);
    QVERIFY(DpiRule::levelRange(3389).linkShown);
    QVERIFY(!DpiRule::levelRange(3212).linkShown);
    QVERIFY(!DpiRule::levelRange(1234).known);
    // Every known range's end labels are what the rule gives for its end levels.
    for (int sensor : {3104, 31042, 3212, 3311, 33112, 3360, 3325, 33252, 3327, 3333, 3335, 33352, 3370, 3389,
                       3395, 33952, 3399}) {
        range = DpiRule::levelRange(sensor);
        QVERIFY(range.known);
        QCOMPARE(DpiRule::levelToDpi(sensor, range.maxLevel), range.maxDpi);
    }
}

void TestProtocol::dpiStageEncoding_data()
{
    QTest::addColumn<int>("sensor");
    QTest::addColumn<int>("x");
    QTest::addColumn<int>("y");
    QTest::addColumn<int>("limitFlag");
    QTest::addColumn<QByteArray>("bytes");
    QTest::newRow("3360 121") << 3360 << 121 << 121 << 0 << QByteArray::fromHex("013c003c00");
    QTest::newRow("3360 120") << 3360 << 120 << 120 << 0 << QByteArray::fromHex("0077007700");
    QTest::newRow("3389 400") << 3389 << 400 << 400 << 0 << QByteArray::fromHex("01f000f000");
    QTest::newRow("3389 300/20") << 3389 << 300 << 20 << 0 << QByteArray::fromHex("002c011400");
    // 3104: the first axis is y, and its range code is the one sent.
    QTest::newRow("3104 y first") << 3104 << 107 << 50 << 0 << QByteArray::fromHex("0032003600");
    QTest::newRow("3104 y high") << 3104 << 50 << 107 << 0 << QByteArray::fromHex("0136003200");
    QTest::newRow("3212") << 3212 << 95 << 64 << 0 << QByteArray::fromHex("0220002000");
    QTest::newRow("3311 table") << 3311 << 3 << 180 << 0 << QByteArray::fromHex("0003008f00");
    QTest::newRow("3325 range 2") << 3325 << 100 << 5 << 0 << QByteArray::fromHex("0273000b00");
    QTest::newRow("3327 range 1") << 3327 << 92 << 1 << 0 << QByteArray::fromHex("018c000400");
    QTest::newRow("3327 range 4") << 3327 << 110 << 1 << 0 << QByteArray::fromHex("0485000400");
    QTest::newRow("3333 past table") << 3333 << 120 << 120 << 0 << QByteArray::fromHex("01b900b900");
    QTest::newRow("3335 x for both") << 3335 << 2 << 150 << 0 << QByteArray::fromHex("0002000200");
    QTest::newRow("3370") << 3370 << 201 << 1 << 0 << QByteArray::fromHex("0164000000");
    QTest::newRow("3395 capped") << 3395 << 500 << 100 << 8 << QByteArray::fromHex("008f016400");
    QTest::newRow("3395 uncapped") << 3395 << 500 << 100 << 0 << QByteArray::fromHex("00f4016400");
    QTest::newRow("33952 axes differ") << 33952 << 520 << 520 << 0 << QByteArray::fromHex("0104010802");
    QTest::newRow("unknown") << 3399 << 20 << 20 << 0 << QByteArray::fromHex("0000000000");
}

void TestProtocol::dpiStageEncoding()
{
    QFETCH(int, sensor);
    QFETCH(int, x);
    QFETCH(int, y);
    QFETCH(int, limitFlag);
    QFETCH(QByteArray, bytes);
    quint8 out[5] = {0xEE, 0xEE, 0xEE, 0xEE, 0xEE};
    DpiEncoding::encodeStage(sensor, x, y, out, SensorTables::shipped(), limitFlag);
    QCOMPARE(QByteArray(reinterpret_cast<const char*>(out), 5).toHex(), bytes.toHex());
}

// Keypad and right-hand keys share scan codes with others; the flags tell
// them apart, and the dialogs and the recorder read the flags differently.
void TestProtocol::capturedKeysNormalise()
{
    using namespace KeyNormalisation;
    // Key dialogs: right Ctrl, keypad Enter and / only when extended.
    QCOMPARE(int(forKeyDialog(29, kExtended)), 238);
    QCOMPARE(int(forKeyDialog(29, kExtended | kReleased)), 238);
    QCOMPARE(int(forKeyDialog(29, 0)), 29);
    QCOMPARE(int(forKeyDialog(28, kExtended)), 229);
    QCOMPARE(int(forKeyDialog(28, 0)), 28);
    QCOMPARE(int(forKeyDialog(56, kExtended | kAltDown)), 239);
    QCOMPARE(int(forKeyDialog(28, kExtended | kAltDown)), 28);
    // Keypad 7 without the extended flag, Home with it.
    QCOMPARE(int(forKeyDialog(71, 0)), 235);
    QCOMPARE(int(forKeyDialog(71, kReleased)), 235);
    QCOMPARE(int(forKeyDialog(71, kExtended)), 71);
    QCOMPARE(int(forKeyDialog(83, 0)), 224);
    QCOMPARE(int(forKeyDialog(30, 0)), 30);

    // The recorder: Alt held makes Enter and Ctrl plain; right Alt by its flag.
    QCOMPARE(int(forMacroRecorder(28, kExtended)), 229);
    QCOMPARE(int(forMacroRecorder(28, kExtended | kAltDown)), 28);
    QCOMPARE(int(forMacroRecorder(29, kExtended | kReleased)), 238);
    QCOMPARE(int(forMacroRecorder(56, kExtended | kAltDown)), 239);
    QCOMPARE(int(forMacroRecorder(56, 0)), 56);
    QCOMPARE(int(forMacroRecorder(83, kReleased)), 224);
    QCOMPARE(int(forMacroRecorder(83, kExtended)), 83);
    QCOMPARE(int(forMacroRecorder(72, 0)), 236);
    QCOMPARE(int(forMacroRecorder(72, kExtended)), 72);
}

QTEST_GUILESS_MAIN(TestProtocol)
#include "tst_protocol.moc"
