// SPDX-License-Identifier: GPL-3.0-or-later
#include "storage/AppConfig.h"
#include "storage/ProfileFiles.h"
#include "storage/ProfileSet.h"
#include "storage/ProfileSetStore.h"
#include "support/TempAppDir.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QRegularExpression>
#include <QtTest>

namespace {

struct Run
{
    int exitCode = -1;
    QByteArray out;
    QByteArray err;

    // The JSON document that starts at the first line opening an object.
    QJsonObject json() const
    {
        const int start = out.startsWith('{') ? 0 : out.indexOf("\n{") + 1;
        return QJsonDocument::fromJson(out.mid(start)).object();
    }
};

Run runTool(const QStringList& arguments)
{
    QProcess process;
    process.start(TempAppDir::executable(QStringLiteral("mousecfgctl")), arguments);
    Run run;
    if (!process.waitForFinished(60000))
        return run;
    run.exitCode = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -2;
    run.out = process.readAllStandardOutput();
    run.err = process.readAllStandardError();
    return run;
}

// A stored configuration with something to send in every report.
ProfileSet storedSet()
{
    ProfileSet set;
    for (int i = 0; i < ProfileSet::kProfiles; ++i)
        set.profileNames[i] = QStringLiteral("Profile %1").arg(i + 1);
    set.LiftHigh = 2;
    set.AngleValue = 1;
    set.Sync = 1;
    ProfileData& p = set.profiles[0];
    p.pollrate = 4;
    p.dpi = 2;
    p.LedMode = 5;
    p.LedMoveOFF = 0;
    p.LedSleepTime = 3;
    p.leds[5].colour = QColor(0x12, 0x34, 0x56);
    p.leds[5].bright = 3;
    p.leds[5].breath = 2;
    for (int s = 0; s < ProfileData::kStages; ++s) {
        p.stages[s].used = 1;
        p.stages[s].x = p.stages[s].y = quint32(20 * (s + 1)); // 1000 DPI steps on sensor 3389
    }
    p.stages[7].x = 400; // above the knee: range 1
    p.buttons[0].Fun = 1;
    p.buttons[1].Fun = 2;
    p.buttons[2].Fun = 43; // volume up
    p.buttons[3].Fun = 200;
    p.buttons[3].macroname = QStringLiteral("burst");
    p.buttons[3].LoopNumber = 2;
    p.buttons[40].Fun = 52;
    p.buttons[41].Fun = 53;
    return set;
}

void storeConfiguration(const TempAppDir& app, const ProfileSet& set)
{
    const QString model = AppConfig(app.paths()).currentProductName();
    QVERIFY(ProfileSetStore(app.paths(), model).saveSet(set).isOk());
    app.writeFile(QStringLiteral("Configs/MacroDB/burst.MSMACRO"),
                  "[Setting]\nCount=2\nMap_0=129\nDataL_0=1\nDataH_0=0\nMap_1=1\nDataL_1=1\nDataH_1=0\n");
}

} // namespace

// mousecfgctl run as a user runs it, against the virtual mouse.
class TestCli : public QObject
{
    Q_OBJECT

private slots:
    void applyWritesTheStoredConfiguration();
    void firstRunSendsTheFactoryProfile();
    void profilesStayWithTheModelWhileUnplugged();
    void traceShowsEveryReport();
    void statusAndDevicesAsJson();
    void showReadsTheStoredConfiguration();
    void badInputGivesClearExits();
    void outOfRangeValuesAreClampedAndMarked();
    void unreadableSlotIsNeverSent();
    void failedSaveExitsNonZero();
    void selectProfileChecksAndStores();
    void appDirMustBeAFolder();
    void showPrintsNamesSafely();
    void hostileConfigurationDoesNotStopTheTool();
    void faultsFromTheCommandLine_data();
    void faultsFromTheCommandLine();
};

// A fresh install has no profile files: every slot starts from the
// factory profile (left click on the first button), written to its file.
void TestCli::firstRunSendsTheFactoryProfile()
{
    TempAppDir app;
    const QString model = AppConfig(app.paths()).currentProductName();
    const QString firstFile = app.paths().profileDir(model) + QStringLiteral("/Profile 1.prof");
    QVERIFY(!QFileInfo::exists(firstFile));
    const Run run = runTool({QStringLiteral("--app-dir"), app.path(), QStringLiteral("--virtual"),
                             QStringLiteral("--dump-device"), QStringLiteral("apply")});
    QCOMPARE(run.exitCode, 0);
    const QJsonArray slotList = run.json().value(QStringLiteral("buttonSlots")).toArray();
    QCOMPARE(slotList.at(0).toString(), QStringLiteral("81 00 00 00"));
    QCOMPARE(slotList.at(1).toString(), QStringLiteral("82 00 00 00"));
    for (int slot = 1; slot <= ProfileSet::kProfiles; ++slot) {
        ProfileData profile;
        ProfileFiles::loadProfile(profile, app.paths().profileDir(model) +
                                               QStringLiteral("/Profile %1.prof").arg(slot));
        QCOMPARE(profile.buttons[0].Fun, 1);
    }
}

// The hot-plug routine blanks the current model while no mouse is attached;
// the profile folder stays the last model's, and profiles an earlier install
// kept in the shared folder move into the model's folder instead of being
// replaced by the factory profile.
void TestCli::profilesStayWithTheModelWhileUnplugged()
{
    const QStringList apply = {QStringLiteral("--virtual"), QStringLiteral("--dump-device"),
                               QStringLiteral("apply")};
    const QStringList sentKeys = {QStringLiteral("buttonSlots"), QStringLiteral("performance"),
                                  QStringLiteral("options"), QStringLiteral("dpiStages")};
    TempAppDir app;
    storeConfiguration(app, storedSet());
    const QJsonObject attached = runTool(QStringList{QStringLiteral("--app-dir"), app.path()} + apply).json();
    QVERIFY(!attached.isEmpty());
    QVERIFY(AppConfig(app.paths()).setCurrentProductName(QString()).isOk());
    const Run unplugged = runTool(QStringList{QStringLiteral("--app-dir"), app.path()} + apply);
    QCOMPARE(unplugged.exitCode, 0);
    for (const QString& key : sentKeys)
        QCOMPARE(unplugged.json().value(key), attached.value(key));

    TempAppDir earlier;
    const QString model = AppConfig(earlier.paths()).currentProductName();
    ProfileData right;
    right.buttons[0].Fun = 2;
    right.buttons[1].Fun = 1;
    QVERIFY(ProfileFiles::saveProfile(right, earlier.paths().profileDir(QString()) +
                                                 QStringLiteral("/Profile 1.prof"))
                .isOk());
    const Run moved = runTool(QStringList{QStringLiteral("--app-dir"), earlier.path()} + apply);
    QCOMPARE(moved.exitCode, 0);
    QCOMPARE(moved.json().value(QStringLiteral("buttonSlots")).toArray().at(0).toString(),
             QStringLiteral("82 00 00 00"));
    ProfileData stored;
    ProfileFiles::loadProfile(stored, earlier.paths().profileDir(model) + QStringLiteral("/Profile 1.prof"));
    QCOMPARE(stored.buttons[0].Fun, 2);
}

void TestCli::applyWritesTheStoredConfiguration()
{
    TempAppDir app;
    QVERIFY(AppConfig(app.paths()).setDiff(1).isOk());
    const ProfileSet set = storedSet();
    storeConfiguration(app, set);
    const Run run = runTool({QStringLiteral("--app-dir"), app.path(), QStringLiteral("--virtual"),
                             QStringLiteral("--dump-device"), QStringLiteral("apply")});
    QCOMPARE(run.exitCode, 0);
    const QJsonObject state = run.json();
    QVERIFY2(!state.isEmpty(), run.out.constData());

    const QJsonObject performance = state.value(QStringLiteral("performance")).toObject();
    QCOMPARE(performance.value(QStringLiteral("dpiStage")).toInt(), 2);
    QCOMPARE(performance.value(QStringLiteral("pollRate")).toInt(), 4);
    QCOMPARE(performance.value(QStringLiteral("ledMode")).toInt(), 5);
    QCOMPARE(performance.value(QStringLiteral("ledSpeed")).toInt(), 2);
    QCOMPARE(performance.value(QStringLiteral("ledBrightness")).toInt(), 3);
    const QJsonObject options = state.value(QStringLiteral("options")).toObject();
    QCOMPARE(options.value(QStringLiteral("liftHigh")).toInt(), 2);
    QCOMPARE(options.value(QStringLiteral("ledSleepTime")).toInt(), 3);
    QCOMPARE(options.value(QStringLiteral("moveLightOff")).toInt(), 1);
    QCOMPARE(options.value(QStringLiteral("angleOrDebounce")).toInt(), 1);
    QCOMPARE(options.value(QStringLiteral("colour")).toString(), QStringLiteral("12 34 56"));

    const QJsonArray stages = state.value(QStringLiteral("dpiStages")).toArray();
    for (int s = 0; s < 7; ++s) {
        const QJsonObject stage = stages.at(s).toObject();
        QCOMPARE(stage.value(QStringLiteral("range")).toInt(), 0);
        QCOMPARE(stage.value(QStringLiteral("first")).toInt(), 20 * (s + 1));
        QCOMPARE(stage.value(QStringLiteral("second")).toInt(), 20 * (s + 1));
    }
    // X in range 1 (level 400), Y stored at level 160 of range 0: sent as 160
    // under X's range the mouse would read 16000 DPI; Y goes out at 321, the
    // lowest level of X's range.
    QCOMPARE(stages.at(7).toObject().value(QStringLiteral("bytes")).toString(),
             QStringLiteral("01 f0 00 a1 00"));

    const QJsonArray slotList = state.value(QStringLiteral("buttonSlots")).toArray();
    QCOMPARE(slotList.at(0).toString(), QStringLiteral("81 00 00 00"));
    QCOMPARE(slotList.at(1).toString(), QStringLiteral("82 00 00 00"));
    QCOMPARE(slotList.at(2).toString(), QStringLiteral("8e 01 e9 00"));
    QCOMPARE(slotList.at(3).toString(), QStringLiteral("91 00 02 00"));
    QCOMPARE(slotList.at(14).toString(), QStringLiteral("8b 00 00 00"));
    QCOMPARE(slotList.at(15).toString(), QStringLiteral("8c 00 00 00"));
    const QString macro = state.value(QStringLiteral("macroSlots"))
                              .toObject()
                              .value(QStringLiteral("0"))
                              .toObject()
                              .value(QStringLiteral("bytes"))
                              .toString();
    QVERIFY2(macro.startsWith(QStringLiteral("81 01 00 01 01 00 06 01 00 00 00 00 00")), qPrintable(macro));
    QCOMPARE(state.value(QStringLiteral("download")).toObject().value(QStringLiteral("endMarkers")).toInt(),
             1);
    QCOMPARE(AppConfig(app.paths()).diff(), 0);
}

void TestCli::traceShowsEveryReport()
{
    TempAppDir app;
    const Run run = runTool({QStringLiteral("--app-dir"), app.path(), QStringLiteral("--virtual"),
                             QStringLiteral("--trace"), QStringLiteral("--dump-device"),
                             QStringLiteral("select-profile"), QStringLiteral("3")});
    QCOMPARE(run.exitCode, 0);
    const QList<QByteArray> lines = run.out.left(run.out.indexOf("\n{")).split('\n');
    const QRegularExpression written(QStringLiteral("^W( [0-9a-f]{2}){33}$"));
    const QRegularExpression read(QStringLiteral("^R( [0-9a-f]{2}){32}$"));
    QCOMPARE(lines.value(0), QByteArray("W 00 05 00 fa 44 02") + QByteArray(" 00").repeated(27));
    int writes = 0;
    int reads = 0;
    for (const QByteArray& line : lines) {
        writes += written.match(QString::fromLatin1(line)).hasMatch() ? 1 : 0;
        reads += read.match(QString::fromLatin1(line)).hasMatch() ? 1 : 0;
    }
    QCOMPARE(writes, 7); // select, commit 01, then the five commits
    QCOMPARE(reads, 6);  // every commit is read back; the select is not
    QCOMPARE(writes + reads, lines.size());
    QCOMPARE(run.json().value(QStringLiteral("activeProfile")).toInt(), 2);
}

void TestCli::statusAndDevicesAsJson()
{
    TempAppDir app;
    Run run = runTool({QStringLiteral("--app-dir"), app.path(), QStringLiteral("--virtual"),
                       QStringLiteral("--json"), QStringLiteral("status")});
    QCOMPARE(run.exitCode, 0);
    const QJsonObject status = run.json();
    QCOMPARE(status.value(QStringLiteral("battery")).toInt(), 80);
    QCOMPARE(status.value(QStringLiteral("reportRateHz")).toInt(), 1000);
    QVERIFY(status.contains(QStringLiteral("dpiStage")));

    run = runTool({QStringLiteral("--app-dir"), app.path(), QStringLiteral("--virtual"),
                   QStringLiteral("--json"), QStringLiteral("devices")});
    QCOMPARE(run.exitCode, 0);
    const QJsonArray devices = QJsonDocument::fromJson(run.out).array();
    QCOMPARE(devices.size(), 2);
    QStringList kinds;
    for (const QJsonValue& device : devices) {
        QCOMPARE(device.toObject().value(QStringLiteral("identity")).toString(), QStringLiteral("receiver"));
        kinds << device.toObject().value(QStringLiteral("kind")).toString();
    }
    kinds.sort();
    QCOMPARE(kinds, (QStringList{QStringLiteral("pointer"), QStringLiteral("vendor")}));
}

void TestCli::showReadsTheStoredConfiguration()
{
    TempAppDir app;
    ProfileSet set = storedSet();
    set.profiles[0].stages[4].y = 400;
    storeConfiguration(app, set);
    Run run =
        runTool({QStringLiteral("--app-dir"), app.path(), QStringLiteral("--json"), QStringLiteral("show")});
    QCOMPARE(run.exitCode, 0);
    const QJsonObject first = run.json().value(QStringLiteral("profiles")).toArray().at(0).toObject();
    QCOMPARE(first.value(QStringLiteral("reportRateHz")).toInt(), 250);
    const QJsonArray stages = first.value(QStringLiteral("stages")).toArray();
    QCOMPARE(stages.at(0).toObject().value(QStringLiteral("dpiX")).toInt(), 1000); // 50 per step up to 320
    const QJsonArray buttons = first.value(QStringLiteral("buttons")).toArray();
    QCOMPARE(buttons.at(2).toObject().value(QStringLiteral("text")).toString(), QStringLiteral("Volume Up"));
    QCOMPARE(buttons.at(3).toObject().value(QStringLiteral("text")).toString(),
             QStringLiteral("macro \"burst\""));
    QCOMPARE(first.value(QStringLiteral("lighting")).toObject().value(QStringLiteral("colour")).toString(),
             QStringLiteral("#123456"));

    run = runTool({QStringLiteral("--app-dir"), app.path(), QStringLiteral("show")});
    QCOMPARE(run.exitCode, 0);
    QVERIFY(run.out.contains("Profile 1 \"Profile 1\" (current)"));
    QVERIFY(run.out.contains("   * 3: 3000 DPI\n"));
    // 100 per step above 320; the stage's one range code is X's, so Y goes out in range 0.
    QVERIFY(run.out.contains("     5: 5000 x 24000 DPI (out of range: Y level 400 sent as 320)\n"));
    QVERIFY(!run.out.contains("     7:")); // the model has six stages
}

void TestCli::badInputGivesClearExits()
{
    TempAppDir empty(false);
    Run run = runTool({QStringLiteral("frobnicate")});
    QCOMPARE(run.exitCode, 64);
    QVERIFY(run.err.contains("unknown command frobnicate"));
    run = runTool({QStringLiteral("--virtual"), QStringLiteral("select-profile"), QStringLiteral("9")});
    QCOMPARE(run.exitCode, 64);
    run = runTool({QStringLiteral("--dump-device"), QStringLiteral("apply")});
    QCOMPARE(run.exitCode, 64);
    run = runTool(
        {QStringLiteral("--app-dir"), empty.path(), QStringLiteral("--virtual"), QStringLiteral("apply")});
    QCOMPARE(run.exitCode, 66);
    QVERIFY(run.err.contains("cannot read the configuration"));
    run = runTool(
        {QStringLiteral("--app-dir"), empty.path() + QStringLiteral("/missing"), QStringLiteral("show")});
    QCOMPARE(run.exitCode, 66);
    run = runTool({QStringLiteral("--help")});
    QCOMPARE(run.exitCode, 0);
    QVERIFY(run.out.contains("select-profile N"));
    QVERIFY(run.out.contains("--virtual-fault"));
    QVERIFY(run.out.contains("65  a profile slot"));
    QVERIFY(run.out.contains("73  a file could not be saved"));
    run = runTool({QStringLiteral("--virtual-fault"), QStringLiteral("unplug@3"), QStringLiteral("apply")});
    QCOMPARE(run.exitCode, 64);
    QVERIFY(run.err.contains("--virtual-fault needs --virtual"));
}

void TestCli::outOfRangeValuesAreClampedAndMarked()
{
    TempAppDir app;
    ProfileSet set = storedSet();
    ProfileData& p = set.profiles[0];
    p.pollrate = 3;
    p.dpi = 7; // the model has six stages
    p.stages[1].x = quint32(-1);
    p.stages[2].x = p.stages[2].y = 1000;
    p.leds[5].bright = 4;
    storeConfiguration(app, set);

    Run run = runTool({QStringLiteral("--app-dir"), app.path(), QStringLiteral("show")});
    QCOMPARE(run.exitCode, 0);
    QVERIFY(run.out.contains("report rate: unknown (code 3) (out of range, sent as 4)\n"));
    QVERIFY(run.out.contains("active stage 8 (out of range, sent as 6)\n"));
    QVERIFY(run.out.contains("(out of range: X level -1 sent as 2)\n"));
    QVERIFY(run.out.contains("(out of range: X level 1000 sent as 480, Y level 1000 sent as 480)\n"));
    QVERIFY(run.out.contains("brightness 4 (out of range, sent as 3)"));

    run = runTool({QStringLiteral("--app-dir"), app.path(), QStringLiteral("--virtual"),
                   QStringLiteral("--dump-device"), QStringLiteral("apply")});
    QCOMPARE(run.exitCode, 0);
    QVERIFY(run.err.contains("adjusted before sending: profile 1: stage 3 Y level 1000 -> 480"));
    const QJsonObject state = run.json();
    const QJsonObject performance = state.value(QStringLiteral("performance")).toObject();
    QCOMPARE(performance.value(QStringLiteral("pollRate")).toInt(), 4);
    QCOMPARE(performance.value(QStringLiteral("dpiStage")).toInt(), 5);
    QCOMPARE(performance.value(QStringLiteral("ledBrightness")).toInt(), 3);
    const QJsonArray stages = state.value(QStringLiteral("dpiStages")).toArray();
    QCOMPARE(stages.at(1).toObject().value(QStringLiteral("first")).toInt(), 2);
    // Level 480 of sensor 3389: range 1, 480 - 160.
    QCOMPARE(stages.at(2).toObject().value(QStringLiteral("bytes")).toString(),
             QStringLiteral("01 40 01 40 01"));
}

void TestCli::unreadableSlotIsNeverSent()
{
    TempAppDir app;
    ProfileSet set = storedSet();
    storeConfiguration(app, set);
    const QString model = AppConfig(app.paths()).currentProductName();
    const QString second = ProfileFiles(app.paths(), model).profilePath(QStringLiteral("Profile 2"));
    QVERIFY(QFile::remove(second) && QDir().mkpath(second));
    const QStringList apply = {QStringLiteral("--app-dir"), app.path(), QStringLiteral("--virtual"),
                               QStringLiteral("--dump-device"), QStringLiteral("apply")};
    Run run = runTool(apply);
    QCOMPARE(run.exitCode, 65);
    QVERIFY(run.err.contains(second.toUtf8() + " cannot be read"));
    QCOMPARE(
        run.json().value(QStringLiteral("download")).toObject().value(QStringLiteral("beginMarkers")).toInt(),
        0);
    run = runTool({QStringLiteral("--app-dir"), app.path(), QStringLiteral("show")});
    QCOMPARE(run.exitCode, 65);

    // A slot name that no file can have.
    QVERIFY(QDir(second).removeRecursively());
    set.profileNames[2] = QStringLiteral("../elsewhere");
    QVERIFY(AppConfig(app.paths()).writeProfileAssignment(set).isOk());
    run = runTool(apply);
    QCOMPARE(run.exitCode, 65);
    QVERIFY(run.err.contains("../elsewhere.prof cannot be read"));
}

void TestCli::failedSaveExitsNonZero()
{
    TempAppDir app;
    storeConfiguration(app, storedSet());
    // A file where the profile folder belongs: the profiles have no files,
    // and the factory profiles that would stand in for them cannot be
    // written; nothing is sent then.
    const QString folder =
        ProfileFiles(app.paths(), AppConfig(app.paths()).currentProductName()).profileDir();
    QVERIFY(QDir(folder).removeRecursively());
    QVERIFY(QFile(folder).open(QIODevice::WriteOnly));
    const Run run = runTool(
        {QStringLiteral("--app-dir"), app.path(), QStringLiteral("--virtual"), QStringLiteral("apply")});
    QCOMPARE(run.exitCode, 73);
    QVERIFY(run.err.contains("Profile 1.prof"));
    QVERIFY(run.err.contains("Nothing was sent."));
}

void TestCli::selectProfileChecksAndStores()
{
    TempAppDir app;
    Run run = runTool({QStringLiteral("--app-dir"), app.path(), QStringLiteral("--virtual"),
                       QStringLiteral("select-profile"), QStringLiteral("-1")});
    QCOMPARE(run.exitCode, 64);
    QVERIFY(run.err.contains("a profile number from 1 to 5"));
    run = runTool({QStringLiteral("--app-dir"), app.path(), QStringLiteral("--virtual"),
                   QStringLiteral("select-profile"), QStringLiteral("4")});
    QCOMPARE(run.exitCode, 0);
    QCOMPARE(AppConfig(app.paths()).profileId(), 3);
}

void TestCli::appDirMustBeAFolder()
{
    TempAppDir app;
    Run run = runTool({QStringLiteral("--app-dir"), QString(), QStringLiteral("show")});
    QCOMPARE(run.exitCode, 64);
    QVERIFY(run.err.contains("--app-dir needs a folder"));
    run = runTool({QStringLiteral("--app-dir="), QStringLiteral("show")});
    QCOMPARE(run.exitCode, 64);
    run = runTool({QStringLiteral("--app-dir"), app.paths().configFile(), QStringLiteral("show")});
    QCOMPARE(run.exitCode, 66);
    QVERIFY(run.err.contains("not a folder"));
}

void TestCli::showPrintsNamesSafely()
{
    TempAppDir app;
    ProfileSet set = storedSet();
    ProfileData& p = set.profiles[0];
    p.buttons[3].macroname = QStringLiteral("burst\x1b[2J\n");
    p.buttons[4].Fun = 0;
    p.buttons[5].Fun = 6; // a single key with no key chosen
    p.buttons[5].Res1 = 0;
    storeConfiguration(app, set);
    const Run run = runTool({QStringLiteral("--app-dir"), app.path(), QStringLiteral("show")});
    QCOMPARE(run.exitCode, 0);
    QVERIFY(!run.out.contains('\x1b'));
    QVERIFY(run.out.contains("button 4: macro \"burst\\x1b[2J\\n\"\n"));
    QVERIFY(run.out.contains("button 5: Disabled\n"));
    QVERIFY(run.out.contains("button 6: SINGLE KEY (none)\n"));
}

// Values that would crash Qt's variant decoding, in the configuration the
// tool reads first.
void TestCli::hostileConfigurationDoesNotStopTheTool()
{
    TempAppDir app;
    QFile config(app.paths().configFile());
    QVERIFY(config.open(QIODevice::Append));
    config.write("\n[Config]\nCurrentProductName=@Variant(\\0\\0\\0\\t\\x7f\\xff\\xff\\xff)\n"
                 "[Mouse_List]\n0=@Variant(\\0\\0\\0\\v\\x7f\\xff\\xff\\xff)\n");
    config.close();
    const Run run = runTool({QStringLiteral("--app-dir"), app.path(), QStringLiteral("show")});
    QCOMPARE(run.exitCode, 0);
    QVERIFY(run.out.startsWith("Model: , sensor 3389\n"));
}

void TestCli::faultsFromTheCommandLine_data()
{
    QTest::addColumn<QStringList>("faults");
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<QByteArray>("message");
    QTest::newRow("write error") << QStringList{QStringLiteral("write-error@3")} << 4
                                 << QByteArray("transfer result 4");
    QTest::newRow("reads time out") << QStringList{QStringLiteral("timeout@4:100")} << 2
                                    << QByteArray("transfer result 2");
    QTest::newRow("unplugged") << QStringList{QStringLiteral("unplug@5")} << 4
                               << QByteArray("transfer result 4");
    QTest::newRow("one late echo is waited for")
        << QStringList{QStringLiteral("timeout@4")} << 0 << QByteArray();
    QTest::newRow("unknown fault") << QStringList{QStringLiteral("melt@1")} << 64
                                   << QByteArray("unknown fault");
    QTest::newRow("byte past the report")
        << QStringList{QStringLiteral("bad-echo@1:32")} << 64 << QByteArray("the byte is 0 to 31");
}

void TestCli::faultsFromTheCommandLine()
{
    QFETCH(QStringList, faults);
    QFETCH(int, exitCode);
    QFETCH(QByteArray, message);
    TempAppDir app;
    storeConfiguration(app, storedSet());
    QStringList arguments = {QStringLiteral("--app-dir"), app.path(), QStringLiteral("--virtual")};
    for (const QString& fault : faults)
        arguments << QStringLiteral("--virtual-fault") << fault;
    const Run run = runTool(arguments << QStringLiteral("apply"));
    QCOMPARE(run.exitCode, exitCode);
    QVERIFY2(run.err.contains(message), run.err.constData());
}

QTEST_GUILESS_MAIN(TestCli)
#include "tst_cli.moc"
