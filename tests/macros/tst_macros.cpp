// SPDX-License-Identifier: GPL-3.0-or-later
#include "storage/ButtonAssignment.h"
#include "storage/MacroFiles.h"
#include "storage/MacroList.h"
#include "support/TempAppDir.h"

#include <QDirIterator>
#include <QFile>
#include <QSettings>
#include <QtTest>

namespace {

MacroRecord sampleMacro(const QString& name, int events)
{
    MacroRecord macro;
    macro.name = name;
    macro.DefaultDelay = 65535;
    macro.DelayType = MacroRecord::RecordDelays;
    macro.LoopType = 3;
    macro.LoopTime = 255;
    for (int i = 0; i < events; ++i)
        macro.events.append({quint8(i % 2 ? 4 : 132), quint8(i + 4), quint8(200 + i % 50)});
    return macro;
}

QSettings bare(const MacroFiles& files, const QString& name)
{
    return QSettings(files.macroPath(name), QSettings::IniFormat);
}

} // namespace

class TestMacros : public QObject
{
    Q_OBJECT

private slots:
    void eventEncoding();
    void delayCounts_data();
    void delayCounts();
    void saveAndLoadRoundTrip();
    void shorterSaveLeavesStaleKeysThatCountHides();
    void changeMarkIsSetBySaveAndClearedOnce();
    void gunFilesCarryNoChangeMark();
    void missingFileReadsEmpty();
    void newMacrosTakeFreeNamesAndSlots();
    void fullListRefusesNewMacros();
    void importAndExport();
    void unsafeNamesAreRefused();
    void hostileFilesLoadSafely_data();
    void hostileFilesLoadSafely();
    void buttonTakesAtMostItsStepsOfAMacro();
};

void TestMacros::eventEncoding()
{
    QCOMPARE(MacroEvent::keyPress(4), (MacroEvent{132, 4, 0}));
    QCOMPARE(MacroEvent::keyRelease(4), (MacroEvent{4, 4, 0}));
    QCOMPARE(MacroEvent::mouseButton(true, 1), (MacroEvent{129, 1, 0}));
    QCOMPARE(MacroEvent::mouseButton(false, 16), (MacroEvent{1, 16, 0}));
    QCOMPARE(MacroEvent::move(-5, 0), (MacroEvent{2, 251, 0}));
    QCOMPARE(MacroEvent::move(0, -5), (MacroEvent{2, 0, 251}));
    QCOMPARE(MacroEvent::move(120, 7), (MacroEvent{2, 120, 7}));
    QCOMPARE(MacroEvent::delay(300), (MacroEvent{6, 44, 1}));
    QCOMPARE(MacroEvent::delay(30), (MacroEvent{6, 30, 0}));
    QCOMPARE(MacroEvent::delay(70000), (MacroEvent{6, 255, 255}));
    QCOMPARE(MacroEvent::delay(300).delayMs(1), 300);
    QCOMPARE(MacroEvent::delay(30).delayMs(10), 300);
    QVERIFY(MacroEvent::keyPress(4).isPress());
    QCOMPARE(MacroEvent::keyPress(4).kind(), int(MacroEvent::Key));
}

void TestMacros::delayCounts_data()
{
    QTest::addColumn<qint64>("elapsed");
    QTest::addColumn<int>("unit");
    QTest::addColumn<int>("count");
    QTest::newRow("300 ms, unit 1") << qint64(300) << 1 << 300;
    QTest::newRow("300 ms, unit 10") << qint64(300) << 10 << 30;
    QTest::newRow("rounds down") << qint64(129) << 10 << 12;
    QTest::newRow("at least one unit") << qint64(3) << 10 << 1;
    QTest::newRow("no time passed") << qint64(0) << 10 << 1;
    QTest::newRow("unit 0 acts as 1") << qint64(123) << 0 << 123;
    QTest::newRow("beyond 16 bits") << qint64(100000000) << 1 << 65535;
}

void TestMacros::delayCounts()
{
    QFETCH(qint64, elapsed);
    QFETCH(int, unit);
    QFETCH(int, count);
    QCOMPARE(MacroEvent::recordedDelayCount(elapsed, unit), count);
    QCOMPARE(MacroEvent::defaultDelayCount(10, 1), 10);
    QCOMPARE(MacroEvent::defaultDelayCount(10, 20), 0);
    QCOMPARE(MacroEvent::defaultDelayCount(65535, 10), 6553);
}

void TestMacros::saveAndLoadRoundTrip()
{
    TempAppDir app(false);
    MacroFiles files(app.paths());
    const MacroRecord saved = sampleMacro(QStringLiteral("Reload"), 40);
    QVERIFY(files.save(saved).isOk());
    const MacroRecord loaded = files.load(QStringLiteral("Reload"));
    QCOMPARE(loaded.name, saved.name);
    QCOMPARE(loaded.DefaultDelay, 65535);
    QCOMPARE(loaded.DelayType, 1);
    QCOMPARE(loaded.LoopType, 3);
    QCOMPARE(loaded.LoopTime, 255);
    QCOMPARE(loaded.WriteSign, 1);
    QCOMPARE(loaded.events, saved.events);
    QCOMPARE(files.readEvents(QStringLiteral("Reload")), saved.events);

    const QString path = app.path() + QStringLiteral("/Configs/MacroDB/Reload.MSMACRO");
    QCOMPARE(files.macroPath(QStringLiteral("Reload")), path);
    const QSettings file(path, QSettings::IniFormat);
    QCOMPARE(file.value(QStringLiteral("Setting/MacroFilePath")).toString(), path);
    QCOMPARE(file.value(QStringLiteral("Setting/Count")).toInt(), 40);
    QCOMPARE(file.value(QStringLiteral("Setting/Map_0")).toString(), QStringLiteral("132"));
    QCOMPARE(file.value(QStringLiteral("Setting/DataL_1")).toInt(), 5);
    QCOMPARE(file.value(QStringLiteral("Setting/DataH_39")).toString(), QStringLiteral("239"));
    QCOMPARE(file.value(QStringLiteral("Setting/WriteSign")).toInt(), 1);
}

void TestMacros::shorterSaveLeavesStaleKeysThatCountHides()
{
    TempAppDir app(false);
    MacroFiles files(app.paths());
    QVERIFY(files.save(sampleMacro(QStringLiteral("m"), 5)).isOk());
    QVERIFY(files.save(sampleMacro(QStringLiteral("m"), 3)).isOk());
    QVERIFY(bare(files, QStringLiteral("m")).contains(QStringLiteral("Setting/Map_4")));
    QCOMPARE(files.load(QStringLiteral("m")).events.size(), 3);
    QCOMPARE(files.readEvents(QStringLiteral("m")).size(), 3);
}

void TestMacros::changeMarkIsSetBySaveAndClearedOnce()
{
    TempAppDir app(false);
    MacroFiles files(app.paths());
    MacroRecord macro = sampleMacro(QStringLiteral("m"), 2);
    macro.WriteSign = 0;
    QVERIFY(files.save(macro).isOk());
    bool marked = false;
    QVERIFY(files.readAndClearChangeMark(QStringLiteral("m"), &marked).isOk());
    QVERIFY(marked);
    QCOMPARE(bare(files, QStringLiteral("m")).value(QStringLiteral("Setting/WriteSign")).toInt(), 0);
    QVERIFY(bare(files, QStringLiteral("m")).contains(QStringLiteral("Setting/WriteSign")));
    QVERIFY(files.readAndClearChangeMark(QStringLiteral("m"), &marked).isOk());
    QVERIFY(!marked);
    QVERIFY(files.save(macro).isOk());
    QCOMPARE(files.load(QStringLiteral("m")).WriteSign, 1);
}

void TestMacros::gunFilesCarryNoChangeMark()
{
    TempAppDir app(false);
    MacroFiles files(app.paths());
    QVERIFY(files.save(sampleMacro(QStringLiteral("gun"), 4), false).isOk());
    QVERIFY(!bare(files, QStringLiteral("gun")).contains(QStringLiteral("Setting/WriteSign")));
}

void TestMacros::missingFileReadsEmpty()
{
    TempAppDir app(false);
    MacroFiles files(app.paths());
    const MacroRecord macro = files.load(QStringLiteral("none"));
    QCOMPARE(macro.name, QStringLiteral("none"));
    QVERIFY(macro.events.isEmpty());
    QCOMPARE(macro.DelayType + macro.DefaultDelay + macro.LoopTime + macro.LoopType + macro.WriteSign, 0);
    bool marked = true;
    QVERIFY(files.readAndClearChangeMark(QStringLiteral("none"), &marked).isOk());
    QVERIFY(!marked);
    QVERIFY(!QFile::exists(files.macroPath(QStringLiteral("none"))));
}

void TestMacros::newMacrosTakeFreeNamesAndSlots()
{
    TempAppDir app(false);
    MacroFiles files(app.paths());
    MacroList list(app.paths());
    QVERIFY(files.save(sampleMacro(QStringLiteral("name_1"), 1)).isOk());
    QString first;
    QString second;
    QVERIFY(files.createMacro(&first).isOk());
    QVERIFY(files.createMacro(&second).isOk());
    QCOMPARE(first, QStringLiteral("name_2"));
    QCOMPARE(second, QStringLiteral("name_3"));
    const MacroRecord fresh = files.load(first);
    QCOMPARE(fresh.DefaultDelay, 10);
    QCOMPARE(fresh.LoopTime, 1);
    QVERIFY(fresh.events.isEmpty());
    QCOMPARE(list.entries().mid(0, 3), (QStringList{first, second, QString()}));

    QVERIFY(files.removeMacro(first).isOk());
    QVERIFY(!files.exists(first));
    QCOMPARE(list.entries().size(), MacroList::kSlotCount);
    QCOMPARE(list.entries().mid(0, 2), (QStringList{QString(), second}));
    QCOMPARE(list.countInUse(), 1);
    QString third;
    QVERIFY(files.createMacro(&third).isOk());
    QCOMPARE(third, QStringLiteral("name_2"));
    QCOMPARE(QSettings(app.paths().configFile(), QSettings::IniFormat)
                 .value(QStringLiteral("MACRO_LIST/0"))
                 .toString(),
             third);

    QVERIFY(list.rename(second, QStringLiteral("Renamed")).isOk());
    QCOMPARE(list.names(), (QStringList{third, QStringLiteral("Renamed")}));
}

void TestMacros::fullListRefusesNewMacros()
{
    TempAppDir app(false);
    MacroFiles files(app.paths());
    MacroList list(app.paths());
    for (int i = 0; i < MacroList::kSlotCount; ++i)
        QVERIFY(list.add(QStringLiteral("m%1").arg(i)).isOk());
    QCOMPARE(list.countInUse(), 50);
    QString name;
    QCOMPARE(files.createMacro(&name).errorMessage(), MacroList::fullMessage());
    QVERIFY(!files.exists(QStringLiteral("name_1")));
    QCOMPARE(list.add(QStringLiteral("extra")).errorMessage(), MacroList::fullMessage());
    const QString source = app.writeFile(QStringLiteral("in/new.MSMACRO"), "[Setting]\nCount=0\n");
    QCOMPARE(files.importMacro(source).errorMessage(), MacroList::fullMessage());
    QVERIFY(!files.exists(QStringLiteral("new")));
}

void TestMacros::importAndExport()
{
    TempAppDir app(false);
    MacroFiles files(app.paths());
    const QString source =
        app.writeFile(QStringLiteral("in/Spray.v2.MSMACRO"), "[Setting]\nCount=1\nMap_0=132\nDataL_0=4\n");
    QString name;
    QVERIFY(files.importMacro(source, &name).isOk());
    QCOMPARE(name, QStringLiteral("Spray.v2"));
    QCOMPARE(files.readEvents(name), (QVector<MacroEvent>{MacroEvent::keyPress(4)}));
    QVERIFY(MacroList(app.paths()).contains(name));
    QCOMPARE(files.importMacro(source).errorMessage(), MacroFiles::existsMessage());

    const QString noExtension = app.writeFile(QStringLiteral("in/plain"), "[Setting]\nCount=0\n");
    QVERIFY(files.importMacro(noExtension, &name).isOk());
    QVERIFY(QFile::exists(app.path() + QStringLiteral("/Configs/MacroDB/plain.MSMACRO")));

    const QString target = app.path() + QStringLiteral("/out.MSMACRO");
    QVERIFY(files.exportMacro(QStringLiteral("Spray.v2"), target).isOk());
    QFile exported(target);
    QVERIFY(exported.open(QIODevice::ReadOnly));
    QVERIFY(exported.readAll().contains("DataL_0=4"));
    QVERIFY(!files.exportMacro(QStringLiteral("Spray.v2"), target).isOk());
    QVERIFY(!files.exportMacro(QStringLiteral("missing"), app.path() + QStringLiteral("/x.MSMACRO")).isOk());
}

void TestMacros::unsafeNamesAreRefused()
{
    TempAppDir app;
    MacroFiles files(app.paths());
    const QString names[] = {QString(), QStringLiteral("../Config"), QStringLiteral("a/b"),
                             QStringLiteral("x\ny"), QStringLiteral("a:b")};
    for (const QString& name : names) {
        QVERIFY(!files.save(sampleMacro(name, 1)).isOk());
        QVERIFY(!files.removeMacro(name).isOk());
        QVERIFY(files.readEvents(name).isEmpty());
        QVERIFY(!files.exportMacro(name, app.path() + QStringLiteral("/e")).isOk());
    }
    // "../Config" must not have reached the configuration file's folder.
    QVERIFY(QFile::exists(app.paths().configFile()));
    QVERIFY(!QFile::exists(app.path() + QStringLiteral("/Configs/Config.MSMACRO")));
    QVERIFY(!QFile::exists(app.path() + QStringLiteral("/e")));
    const QString hostile = app.writeFile(QStringLiteral("in/CON.MSMACRO"), "[Setting]\n");
    QVERIFY(!files.importMacro(hostile).isOk());
}

void TestMacros::hostileFilesLoadSafely_data()
{
    QTest::addColumn<QByteArray>("contents");
    QTest::addColumn<int>("count");
    QByteArray garbage;
    for (int i = 0; i < 100000; ++i)
        garbage.append(char((i * 131 + 7) % 256));
    QByteArray big("[Setting]\nCount=2\nMap_1=6\n");
    while (big.size() < 10 * 1024 * 1024)
        big.append("DataL_0=\"\\x\\\\\\\",,,,\n[Setting]\n");
    QTest::newRow("huge count") << QByteArray("[Setting]\nCount=2147483647\nMap_0=132\n")
                                << MacroFiles::kMaxEvents;
    QTest::newRow("negative count") << QByteArray("[Setting]\nCount=-3\nMap_0=132\n") << 0;
    QTest::newRow("text count") << QByteArray("[Setting]\nCount=three\n") << 0;
    QTest::newRow("truncated") << QByteArray("[Setting]\nCount=3\nMap_0=13") << 3;
    QTest::newRow("garbage") << garbage << 0;
    QTest::newRow("wrong types") << QByteArray("[Setting]\nCount=@Variant(\\0)\nMap_0=a, b\n") << 0;
    QTest::newRow("larger than any file of ours") << big << 0;
}

void TestMacros::hostileFilesLoadSafely()
{
    QFETCH(QByteArray, contents);
    QFETCH(int, count);
    TempAppDir app(false);
    app.writeFile(QStringLiteral("Configs/MacroDB/bad.MSMACRO"), contents);
    MacroFiles files(app.paths());
    QCOMPARE(files.load(QStringLiteral("bad")).events.size(), count);
    QCOMPARE(files.readEvents(QStringLiteral("bad")).size(), count);
}

void TestMacros::buttonTakesAtMostItsStepsOfAMacro()
{
    ButtonAssignment button;
    button.KeyInfo[83] = {9, 9, 9};
    QVector<MacroEvent> events;
    for (int i = 0; i < 100; ++i)
        events.append(MacroEvent::delay(i));
    button.setMacroSteps(events);
    QCOMPARE(button.KeyNumber, 84);
    QCOMPARE(button.KeyInfo[83], MacroEvent::delay(83));
    button.setMacroSteps({MacroEvent::keyPress(4)});
    QCOMPARE(button.KeyNumber, 1);
    QCOMPARE(button.KeyInfo[0], MacroEvent::keyPress(4));
    QCOMPARE(button.KeyInfo[1], MacroEvent::delay(1));
}

QTEST_GUILESS_MAIN(TestMacros)
#include "tst_macros.moc"
