// SPDX-License-Identifier: GPL-3.0-or-later
#include "storage/AppConfig.h"
#include "storage/AppPaths.h"
#include "storage/FileNames.h"
#include "storage/ProfileSet.h"
#include "support/TempAppDir.h"

#include <QDir>
#include <QSettings>
#include <QtTest>

#include <memory>

class TestConfig : public QObject
{
    Q_OBJECT

private slots:
    void missingFileGivesDefaults();
    void readsTheShippedConfiguration();
    void themeColourIsClampedToTheTable_data();
    void themeColourIsClampedToTheTable();
    void writesReadBackWithDocumentedKeys();
    void setKeysRoundTrip();
    void profileListRoundTrip();
    void damagedProfileListsLoadSafely_data();
    void damagedProfileListsLoadSafely();
    void failedWritesAreReported();
    void hostileConfigurationLoadsSafely();
    void fileNameSafety_data();
    void fileNameSafety();
    void modelFolderStaysInsideConfigurationFolder_data();
    void modelFolderStaysInsideConfigurationFolder();
};

void TestConfig::missingFileGivesDefaults()
{
    TempAppDir app(false);
    AppConfig config(app.paths());
    QCOMPARE(config.profileId(), 0);
    QCOMPARE(config.diff(), 0);
    QCOMPARE(config.currentProductName(), QString());
    QCOMPARE(config.colorId(), 0);
    QCOMPARE(config.themeColor(), QColor(255, 0, 0));
    QCOMPARE(config.batteryFull(), 4200);
    QCOMPARE(config.battery(), 0);
    QCOMPARE(config.model(), QString());
    QCOMPARE(config.mouseSensor(), 0);
    QCOMPARE(config.mouseLedMode(), 0);
    QCOMPARE(config.mouseListName(), QByteArray());
    QVERIFY(config.profileList(QStringLiteral("Wren W8")).isEmpty());
    QVERIFY(!QFile::exists(config.filePath()));
}

void TestConfig::readsTheShippedConfiguration()
{
    TempAppDir app;
    AppConfig config(app.paths());
    QCOMPARE(config.themeColor(), QColor(255, 125, 0));
    QCOMPARE(config.batteryFull(), 4200);
    QCOMPARE(config.model(), QStringLiteral("W8"));
    QCOMPARE(config.currentProductName(), QStringLiteral("Wren W8"));
    QCOMPARE(config.mouseSensor(), 3389);
    QCOMPARE(config.mouseListName(), QByteArray("Wren W8"));

    app.writeFile(QStringLiteral("Configs/Config.ini"),
                  "[Config]\nCurrentProductName=Wren W8\n[MouseLEDMode]\nWren%20W8=2\n"
                  "[Mouse_List]\n0=Mod\\xe8le\n");
    QCOMPARE(config.mouseLedMode(), 2);
    QCOMPARE(config.mouseListName(), QByteArray("Mod\xe8le"));
}

void TestConfig::themeColourIsClampedToTheTable_data()
{
    QTest::addColumn<QByteArray>("value");
    QTest::addColumn<QColor>("colour");
    QTest::newRow("3") << QByteArray("3") << QColor(219, 200, 182);
    QTest::newRow("6") << QByteArray("6") << QColor(255, 125, 0);
    QTest::newRow("7") << QByteArray("7") << QColor(255, 125, 0);
    QTest::newRow("huge") << QByteArray("2147483647") << QColor(255, 125, 0);
    QTest::newRow("negative") << QByteArray("-1") << QColor(255, 0, 0);
    QTest::newRow("text") << QByteArray("blue") << QColor(255, 0, 0);
}

void TestConfig::themeColourIsClampedToTheTable()
{
    QFETCH(QByteArray, value);
    QFETCH(QColor, colour);
    TempAppDir app(false);
    app.writeFile(QStringLiteral("Configs/Config.ini"), "[Config]\nGColorID=" + value + "\n");
    QCOMPARE(AppConfig(app.paths()).themeColor(), colour);
}

void TestConfig::writesReadBackWithDocumentedKeys()
{
    TempAppDir app;
    AppConfig config(app.paths());
    QVERIFY(config.setDiff(1).isOk());
    QVERIFY(config.setBattery(73).isOk());
    QVERIFY(config.setProfileId(4).isOk());
    QVERIFY(config.setCurrentProductName(QString::fromUtf8("Wren W8 Über")).isOk());
    auto set = std::make_unique<ProfileSet>();
    set->ProfileID = 2;
    set->Count = 5;
    for (int i = 0; i < ProfileSet::kProfiles; ++i)
        set->profileNames[i] = QStringLiteral("Name %1").arg(i + 1);
    QVERIFY(config.writeProfileAssignment(*set).isOk());

    const QSettings bare(app.paths().configFile(), QSettings::IniFormat);
    QCOMPARE(bare.value(QStringLiteral("Config/Diff")).toInt(), 1);
    QCOMPARE(bare.value(QStringLiteral("Config/Battery")).toInt(), 73);
    QCOMPARE(bare.value(QStringLiteral("Config/ProfileID")).toInt(), 2);
    QCOMPARE(bare.value(QStringLiteral("Config/Count")).toInt(), 5);
    QCOMPARE(bare.value(QStringLiteral("Config/Profile5")).toString(), QStringLiteral("Name 5"));
    QCOMPARE(bare.value(QStringLiteral("Config/CurrentProductName")).toString(),
             QString::fromUtf8("Wren W8 Über"));
    // Keys the program never writes stay as installed.
    QCOMPARE(bare.value(QStringLiteral("FONT_LIST/LangFile_2")).toString(), QStringLiteral("tc"));
    QCOMPARE(config.diff(), 1);
    QCOMPARE(config.battery(), 73);
}

void TestConfig::setKeysRoundTrip()
{
    TempAppDir app(false);
    AppConfig config(app.paths());
    auto set = std::make_unique<ProfileSet>();
    set->ProfileID = 1;
    set->AngleValue = 2;
    set->LiftHigh = 3;
    set->Sync = 4;
    set->Count = 5;
    set->Jitter = 6;
    set->Debounce = 200;
    set->Wake = 8;
    set->SensorMode = 9;
    for (int i = 0; i < ProfileSet::kProfiles; ++i)
        set->profileNames[i] = QStringLiteral("P, %1").arg(i);
    QVERIFY(config.writeSetConfig(*set).isOk());
    auto loaded = std::make_unique<ProfileSet>();
    config.readSetConfig(*loaded);
    QVERIFY(*loaded == *set);
    QCOMPARE(QSettings(config.filePath(), QSettings::IniFormat)
                 .value(QStringLiteral("Config/Debounce"))
                 .toString(),
             QStringLiteral("200"));
}

void TestConfig::profileListRoundTrip()
{
    TempAppDir app(false);
    AppConfig config(app.paths());
    const QStringList names = {QStringLiteral("Profile 1"), QStringLiteral("Gaming"),
                               QStringLiteral("Office")};
    QVERIFY(config.writeProfileList(QStringLiteral("Wren W8"), names).isOk());
    QCOMPARE(config.profileList(QStringLiteral("Wren W8")), names);
    const QSettings bare(app.path() + QStringLiteral("/Configs/Wren W8/Config.ini"), QSettings::IniFormat);
    QCOMPARE(bare.value(QStringLiteral("PROFILE_LIST/Count")).toInt(), 3);
    QCOMPARE(bare.value(QStringLiteral("PROFILE_LIST/3")).toString(), QStringLiteral("Office"));
    // The list of the empty model name is the configuration folder's own.
    QVERIFY(config.writeProfileList(QString(), names).isOk());
    QVERIFY(QFile::exists(app.path() + QStringLiteral("/Configs/Config.ini")));
}

void TestConfig::damagedProfileListsLoadSafely_data()
{
    QTest::addColumn<QByteArray>("contents");
    QTest::addColumn<int>("count");
    QTest::newRow("negative") << QByteArray("[PROFILE_LIST]\nCount=-4\n1=a\n") << 0;
    QTest::newRow("text") << QByteArray("[PROFILE_LIST]\nCount=many\n1=a\n") << 0;
    QTest::newRow("huge") << QByteArray("[PROFILE_LIST]\nCount=2147483647\n1=a\n") << 10000;
    QTest::newRow("missing names") << QByteArray("[PROFILE_LIST]\nCount=2\n") << 2;
}

void TestConfig::damagedProfileListsLoadSafely()
{
    QFETCH(QByteArray, contents);
    QFETCH(int, count);
    TempAppDir app(false);
    app.writeFile(QStringLiteral("Configs/M/Config.ini"), contents);
    const QStringList names = AppConfig(app.paths()).profileList(QStringLiteral("M"));
    QCOMPARE(names.size(), count);
}

void TestConfig::failedWritesAreReported()
{
    TempAppDir app(false);
    app.writeFile(QStringLiteral("Configs"), "a file where the folder should be");
    AppConfig config(app.paths());
    const StorageResult result = config.setDiff(1);
    QVERIFY(!result.isOk());
    QVERIFY(result.errorMessage().contains(QLatin1String("Config.ini")));
    QVERIFY(!config.writeSetConfig(ProfileSet()).isOk());
    QVERIFY(!config.writeProfileList(QStringLiteral("M"), {QStringLiteral("x")}).isOk());
    QCOMPARE(config.diff(), 0);
}

void TestConfig::hostileConfigurationLoadsSafely()
{
    TempAppDir app(false);
    QByteArray big("[Config]\nBatteryFull=-7\nProfileID=300\nDebounce=-1\nProfile1=a, b\n[x]\n");
    while (big.size() < 2 * 1024 * 1024)
        big.append("k\\x0000=\\x0\\xffff\\0@Variant(\\0\\0\\0\\x7f\\0\\0\\0\\x1\\0\\0)\n");
    app.writeFile(QStringLiteral("Configs/Config.ini"), big);
    AppConfig config(app.paths());
    QCOMPARE(config.batteryFull(), -7);
    auto set = std::make_unique<ProfileSet>();
    config.readSetConfig(*set);
    QCOMPARE(int(set->ProfileID), 0);
    QCOMPARE(int(set->Debounce), 255);
    QCOMPARE(set->profileNames[0], QStringLiteral("a, b"));
}

void TestConfig::fileNameSafety_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("safe");
    QTest::newRow("plain") << QStringLiteral("Profile 1") << true;
    QTest::newRow("unicode") << QString::fromUtf8("Ünï 配置") << true;
    QTest::newRow("dots inside") << QStringLiteral("v1.2") << true;
    QTest::newRow("console-like") << QStringLiteral("console") << true;
    QTest::newRow("empty") << QString() << false;
    QTest::newRow("dot") << QStringLiteral(".") << false;
    QTest::newRow("dotdot") << QStringLiteral("..") << false;
    QTest::newRow("dotdot inside") << QStringLiteral("v1..2") << true;
    QTest::newRow("leading dotdot") << QStringLiteral("..x") << true;
    QTest::newRow("slash") << QStringLiteral("/etc") << false;
    QTest::newRow("backslash") << QStringLiteral("..\\x") << false;
    QTest::newRow("newline") << QStringLiteral("a\nb") << false;
    QTest::newRow("delete char") << QStringLiteral("a\x7f") << false;
    QTest::newRow("question") << QStringLiteral("what?") << false;
    QTest::newRow("pipe") << QStringLiteral("a|b") << false;
    QTest::newRow("quote") << QStringLiteral("\"q\"") << false;
    QTest::newRow("trailing blank") << QStringLiteral("a ") << false;
    QTest::newRow("device") << QStringLiteral("LPT1") << false;
    QTest::newRow("device with extension") << QStringLiteral("nul.txt") << false;
    QTest::newRow("long") << QString(241, QLatin1Char('a')) << false;
    QTest::newRow("long in bytes") << QString(121, QChar(0x00e9)) << false;
}

void TestConfig::fileNameSafety()
{
    QFETCH(QString, name);
    QFETCH(bool, safe);
    QCOMPARE(FileNames::isSafeName(name), safe);
    QCOMPARE(FileNames::nameError(name).isEmpty(), safe);
    const QString neutralised = FileNames::neutralised(name);
    QVERIFY2(FileNames::isSafeName(neutralised), qPrintable(neutralised));
    if (safe)
        QCOMPARE(neutralised, name);
}

void TestConfig::modelFolderStaysInsideConfigurationFolder_data()
{
    QTest::addColumn<QString>("model");
    QTest::newRow("parent") << QStringLiteral("..");
    QTest::newRow("escape") << QStringLiteral("../../tmp");
    QTest::newRow("absolute") << QStringLiteral("/etc");
    QTest::newRow("windows") << QStringLiteral("C:\\Windows");
    QTest::newRow("nested") << QStringLiteral("a/b");
}

void TestConfig::modelFolderStaysInsideConfigurationFolder()
{
    QFETCH(QString, model);
    const AppPaths paths(QStringLiteral("/opt/app"));
    const QString dir = QDir::cleanPath(paths.modelDir(model));
    QCOMPARE(QFileInfo(dir).absolutePath(), QStringLiteral("/opt/app/Configs"));
    QVERIFY(QDir::cleanPath(paths.profileDir(model)).startsWith(dir + QLatin1Char('/')));
    QCOMPARE(paths.modelDir(QStringLiteral("Wren W8")), QStringLiteral("/opt/app/Configs/Wren W8"));
    QCOMPARE(paths.modelDir(QString()), QStringLiteral("/opt/app/Configs"));
}

QTEST_GUILESS_MAIN(TestConfig)
#include "tst_config.moc"
