// SPDX-License-Identifier: GPL-3.0-or-later
#include "protocol/DeviceLimits.h"
#include "protocol/DpiRule.h"
#include "storage/ModelDescription.h"
#include "storage/ProfileSet.h"

#include <QtTest>

namespace {

// The sample model: sensor 3389 (levels 2 to 480), six stages, sleep 1 to 9.
ModelDescription sixStageModel()
{
    ModelDescription model;
    model.sensorType = 3389;
    model.dpiStageCount = 6;
    model.sleepMin = 1;
    model.sleepMax = 9;
    return model;
}

// Every value within what the mouse accepts.
ProfileSet validSet()
{
    ProfileSet set;
    for (ProfileData& p : set.profiles) {
        p.pollrate = 2;
        p.dpi = 5;
        p.LedMode = 10;
        p.LedSleepTime = 9;
        for (DpiStage& stage : p.stages)
            stage.x = stage.y = 480;
        p.leds[10].bright = 3;
        p.leds[10].breath = 5;
    }
    return set;
}

} // namespace

class TestLimits : public QObject
{
    Q_OBJECT

private slots:
    void validValuesAreLeftAlone();
    void eachValueBecomesTheNearestValidOne_data();
    void eachValueBecomesTheNearestValidOne();
    void reportRateGoesToTheNearestRate_data();
    void reportRateGoesToTheNearestRate();
    void unusedLightingValuesAreNotTouched();
    void stageAxesShareOneRange_data();
    void stageAxesShareOneRange();
};

void TestLimits::validValuesAreLeftAlone()
{
    ProfileSet set = validSet();
    const ProfileSet before = set;
    QVERIFY(DeviceLimits::clamp(set, sixStageModel()).isEmpty());
    QVERIFY(set == before);
}

void TestLimits::eachValueBecomesTheNearestValidOne_data()
{
    QTest::addColumn<int>("field");
    QTest::addColumn<qint64>("stored");
    QTest::addColumn<qint64>("sent");
    QTest::newRow("level -1") << int(LimitChange::StageX) << qint64(-1) << qint64(2);
    QTest::newRow("level 0") << int(LimitChange::StageY) << qint64(0) << qint64(2);
    QTest::newRow("level 1000") << int(LimitChange::StageX) << qint64(1000) << qint64(480);
    QTest::newRow("level 2147483647") << int(LimitChange::StageY) << qint64(2147483647) << qint64(480);
    QTest::newRow("active stage 7 of 6") << int(LimitChange::ActiveStage) << qint64(6) << qint64(5);
    QTest::newRow("mode 13") << int(LimitChange::LightingMode) << qint64(13) << qint64(11);
    QTest::newRow("brightness 4") << int(LimitChange::Brightness) << qint64(4) << qint64(3);
    QTest::newRow("brightness 0") << int(LimitChange::Brightness) << qint64(0) << qint64(1);
    QTest::newRow("speed 9") << int(LimitChange::Speed) << qint64(9) << qint64(5);
    QTest::newRow("sleep 0") << int(LimitChange::SleepTime) << qint64(0) << qint64(1);
    QTest::newRow("sleep 200") << int(LimitChange::SleepTime) << qint64(200) << qint64(9);
}

// One damaged value in the third profile: it alone changes, and the change
// is listed with what was stored and what goes out.
void TestLimits::eachValueBecomesTheNearestValidOne()
{
    QFETCH(int, field);
    QFETCH(qint64, stored);
    QFETCH(qint64, sent);
    const int stage = 4;
    // The other axis of a damaged stage stands at the level the damaged one
    // is brought to, so that both share one range.
    const auto store = [&](ProfileData& p, qint64 value) {
        switch (LimitChange::Field(field)) {
        case LimitChange::StageX:
            p.stages[stage].x = quint32(value);
            p.stages[stage].y = quint32(sent);
            break;
        case LimitChange::StageY:
            p.stages[stage].y = quint32(value);
            p.stages[stage].x = quint32(sent);
            break;
        case LimitChange::ActiveStage:
            p.dpi = quint8(value);
            break;
        case LimitChange::LightingMode:
            p.LedMode = quint8(value);
            p.leds[11] = p.leds[10];
            break;
        case LimitChange::Brightness:
            p.leds[10].bright = quint32(value);
            break;
        case LimitChange::Speed:
            p.leds[10].breath = quint32(value);
            break;
        case LimitChange::SleepTime:
            p.LedSleepTime = quint8(value);
            break;
        default:
            break;
        }
    };
    ProfileSet set = validSet();
    store(set.profiles[2], stored);
    const QVector<LimitChange> changes = DeviceLimits::clamp(set, sixStageModel());
    QCOMPARE(changes.size(), 1);
    QCOMPARE(changes[0].profile, 2);
    QCOMPARE(int(changes[0].field), field);
    QCOMPARE(changes[0].from, stored);
    QCOMPARE(changes[0].to, sent);

    ProfileSet expected = validSet();
    store(expected.profiles[2], sent);
    QVERIFY(set == expected);
}

void TestLimits::reportRateGoesToTheNearestRate_data()
{
    QTest::addColumn<int>("code");
    QTest::addColumn<int>("nearest");
    QTest::newRow("0: fastest") << 0 << 1;
    QTest::newRow("1 kept") << 1 << 1;
    QTest::newRow("3: 333 Hz is nearer 250 Hz") << 3 << 4;
    QTest::newRow("7: 143 Hz is nearer 125 Hz") << 7 << 8;
    QTest::newRow("255: slowest") << 255 << 8;
}

void TestLimits::reportRateGoesToTheNearestRate()
{
    QFETCH(int, code);
    QFETCH(int, nearest);
    ProfileSet set = validSet();
    set.profiles[0].pollrate = quint8(code);
    DeviceLimits::clamp(set, sixStageModel());
    QCOMPARE(int(set.profiles[0].pollrate), nearest);
}

// Values a mode does not send (and sensors without a rule) are no one's
// business: the mouse never sees them.
void TestLimits::unusedLightingValuesAreNotTouched()
{
    ProfileSet set = validSet();
    for (ProfileData& p : set.profiles) {
        p.LedMode = 0; // off: neither brightness nor speed is sent
        p.leds[0].bright = 0;
        p.leds[0].breath = 0;
        p.leds[7].bright = 99;
        p.stages[0].x = 100000;
    }
    ModelDescription model = sixStageModel();
    model.sensorType = 0;
    QVERIFY(DeviceLimits::clamp(set, model).isEmpty());
}

void TestLimits::stageAxesShareOneRange_data()
{
    QTest::addColumn<int>("sensor");
    QTest::addColumn<int>("x");
    QTest::addColumn<int>("y");
    QTest::addColumn<int>("sentX");
    QTest::addColumn<int>("sentY");
    // 3389: range 0 up to level 320, range 1 above.
    QTest::newRow("3389 X 5000, Y 24000") << 3389 << 100 << 400 << 100 << 320;
    QTest::newRow("3389 X 24000, Y 5000") << 3389 << 400 << 100 << 400 << 321;
    QTest::newRow("3389 both in range 1") << 3389 << 321 << 480 << 321 << 480;
    // 3212 has three ranges: 16-63, 64-94, 95-111.
    QTest::newRow("3212 Y above the middle range") << 3212 << 70 << 111 << 70 << 94;
    QTest::newRow("3212 Y below the middle range") << 3212 << 70 << 20 << 70 << 64;
    // The 3104 sensors send Y first: its range rules X.
    QTest::newRow("3104 Y leads") << 31042 << 158 << 14 << 106 << 14;
    // The 3335 sensors send X for both axes: Y is never sent.
    QTest::newRow("33352 Y not sent") << 33352 << 100 << 200 << 100 << 200;
}

void TestLimits::stageAxesShareOneRange()
{
    QFETCH(int, sensor);
    QFETCH(int, x);
    QFETCH(int, y);
    QFETCH(int, sentX);
    QFETCH(int, sentY);
    ModelDescription model = sixStageModel();
    model.sensorType = sensor;
    ProfileSet set = validSet();
    for (ProfileData& p : set.profiles)
        for (DpiStage& stage : p.stages)
            stage.x = stage.y = quint32(DpiRule::levelRange(sensor).minLevel);
    set.profiles[1].stages[3].x = quint32(x);
    set.profiles[1].stages[3].y = quint32(y);
    const QVector<LimitChange> changes = DeviceLimits::clamp(set, model);
    QCOMPARE(int(set.profiles[1].stages[3].x), sentX);
    QCOMPARE(int(set.profiles[1].stages[3].y), sentY);
    QCOMPARE(changes.size(), int(x != sentX) + int(y != sentY));
    for (const LimitChange& change : changes) {
        QCOMPARE(change.profile, 1);
        QCOMPARE(change.index, 3);
    }
}

QTEST_GUILESS_MAIN(TestLimits)
#include "tst_limits.moc"
