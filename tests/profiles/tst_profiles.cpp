// SPDX-License-Identifier: GPL-3.0-or-later
#include "storage/ConfigurationFile.h"
#include "storage/FileLimits.h"
#include "storage/ProductDescription.h"
#include "storage/ProfileDefaults.h"
#include "storage/ProfileFiles.h"
#include "storage/ProfileSet.h"
#include "storage/ProfileSetStore.h"
#include "support/TempAppDir.h"

#include <QDir>
#include <QFile>
#include <QSettings>
#include <QtTest>

#include <memory>

namespace {

const QString kModel = QStringLiteral("Wren W8");

// Every field gets a value of its own, derived from a seed, so that a key
// written under the wrong name or read into the wrong field shows.
ProfileData distinctProfile(int seed)
{
    ProfileData p;
    auto byte = [&](int n) { return quint8((seed * 31 + n * 7) % 256); };
    p.pollrate = byte(1);
    p.dpi = quint8(seed % 8);
    p.LedMode = quint8((seed + 3) % 14);
    p.LedMoveOFF = byte(2);
    p.LedSleepTime = byte(3);
    for (int n = 0; n < ProfileData::kStages; ++n)
        p.stages[n] = {byte(n + 4), byte(n + 5), quint32(100 * n + seed), quint32(4000000000u + n),
                       quint32(7 * n)};
    p.mousespeed = byte(20);
    p.dbclickspeed = byte(21);
    p.scrollispage = byte(22);
    p.scrollspeed = byte(23);
    p.accelenable = byte(24);
    p.acee = byte(25);
    for (int b = 0; b < ProfileData::kButtons; ++b) {
        ButtonAssignment& button = p.buttons[b];
        button.ID = b - seed;
        button.Fun = 200 + b;
        button.LoopNumber = -b * 1000;
        button.KeyNumber = b * 3 + seed;
        for (int k = 0; k < ButtonAssignment::kSteps; ++k)
            button.KeyInfo[k] = {byte(b * 84 + k), byte(b + k + 100), byte(b * k + 200)};
        button.Res1 = byte(b + 30);
        button.Res2 = byte(b + 31);
        button.Res3 = byte(b + 32);
        button.Res4 = byte(b + 33);
        button.macroname = QStringLiteral("macro %1, \"%2\" Ünï").arg(b).arg(seed);
    }
    for (int m = 0; m < ProfileData::kLedModes; ++m)
        p.leds[m] = {m == 5 ? QColor() : QColor(byte(m), byte(m + 1), byte(m + 2)),
                     quint32(m + 360),
                     quint32(m),
                     quint32(m * 2),
                     quint32(m % 4),
                     quint32(m % 6)};
    p.ProfileName = QStringLiteral("Profile name %1").arg(seed);
    p.ProfilePath = QStringLiteral("C:\\path\\%1.prof").arg(seed);
    return p;
}

ProfileData loadedFrom(const QString& path)
{
    ProfileData p = distinctProfile(99);
    ProfileFiles::loadProfile(p, path);
    return p;
}

QString fileText(const QString& path)
{
    QFile file(path);
    file.open(QIODevice::ReadOnly);
    return QString::fromLatin1(file.readAll());
}

void verifyAllDefault(const ProfileData& p)
{
    ProfileData expected;
    expected.LedMoveOFF = 255;
    expected.LedSleepTime = 1;
    QVERIFY(p == expected);
}

} // namespace

class TestProfiles : public QObject
{
    Q_OBJECT

private slots:
    void roundTripOfEveryField();
    void writesDocumentedKeysAndValueForms();
    void missingFileAndKeysGiveDefaults();
    void readsFileOfAnEarlierInstall();
    void hostileFilesLoadSafely_data();
    void hostileFilesLoadSafely();
    void largeFileLoadsSafely();
    void damagedFileIsReplacedBySave();
    void unsafeNamesAreRefused_data();
    void unsafeNamesAreRefused();
    void failedWritesAreReported();
    void configurationRoundTrip();
    void olderConfigurationKeepsSlotNames();
    void resetWithoutProductDescription();
    void resetWithProductDescription();
    void resetAllResetsEverySlotAndNamesThem();
    void setIsSavedAndLoadedFromTheModelFolder();
    void setWithoutConfigurationLoadsDefaults();
    void saveOfSetReportsSlotsItCannotSave();
    void selectProfileReloadsAndStoresIndex();
    void defaultProfileIsReplaced();
    void profileFileOperations();
    void storedStageChangesTheStageAlone_data();
    void storedStageChangesTheStageAlone();
};

void TestProfiles::roundTripOfEveryField()
{
    TempAppDir app(false);
    ProfileFiles files(app.paths(), kModel);
    const ProfileData saved = distinctProfile(7);
    QVERIFY(files.saveNamedProfile(saved, QStringLiteral("All fields")).isOk());
    ProfileData loaded;
    files.loadNamedProfile(loaded, QStringLiteral("All fields"));
    QVERIFY(loaded == saved);
}

void TestProfiles::writesDocumentedKeysAndValueForms()
{
    TempAppDir app(false);
    ProfileData p = distinctProfile(1);
    p.buttons[3].KeyInfo[5] = {1, 2, 200};
    p.leds[13].colour = QColor(255, 125, 0);
    const QString path = app.path() + QStringLiteral("/keys.prof");
    QVERIFY(ProfileFiles::saveProfile(p, path).isOk());

    const QSettings bare(path, QSettings::IniFormat);
    QCOMPARE(bare.allKeys().size(), 11099);
    QCOMPARE(bare.value(QStringLiteral("PROFILE/BUTTON_INFO_3_KeyInfo_5_H")).toString(),
             QStringLiteral("200"));
    QCOMPARE(bare.value(QStringLiteral("PROFILE/BUTTON_INFO_3_KeyInfo_5_")).toInt(), 2);
    QCOMPARE(bare.value(QStringLiteral("PROFILE/BUTTON_INFO_3_KeyInfo_5_map")).toInt(), 1);
    QCOMPARE(bare.value(QStringLiteral("PROFILE/DPI_INFO_2_x")).toString(), QStringLiteral("4000000002"));
    QCOMPARE(bare.value(QStringLiteral("PROFILE/LedMode/LED_MODE_13_RGB")).value<QColor>(),
             QColor(255, 125, 0));
    QCOMPARE(bare.value(QStringLiteral("PROFILE/LedMoveOFF")).toInt(), int(p.LedMoveOFF));
    QCOMPARE(bare.value(QStringLiteral("PROFILE/BUTTON_INFO_41_macroname")).toString(),
             p.buttons[41].macroname);
    const QString text = fileText(path);
    QVERIFY(text.contains(QStringLiteral("BUTTON_INFO_3_KeyInfo_5_H=200\n")));
    QVERIFY(text.contains(QStringLiteral("LedMode\\LED_MODE_13_RGB=@Variant(")));
}

void TestProfiles::missingFileAndKeysGiveDefaults()
{
    TempAppDir app(false);
    verifyAllDefault(loadedFrom(app.path() + QStringLiteral("/none.prof")));

    const QString path = app.writeFile(QStringLiteral("partial.prof"), "[PROFILE]\ndpi=3\nLedSleepTime=5\n");
    const ProfileData p = loadedFrom(path);
    QCOMPARE(int(p.dpi), 3);
    QCOMPARE(int(p.LedSleepTime), 5);
    QCOMPARE(int(p.LedMoveOFF), 255);
    QVERIFY(!p.leds[0].colour.isValid());
    QCOMPARE(p.buttons[0].macroname, QString());
}

void TestProfiles::readsFileOfAnEarlierInstall()
{
    TempAppDir app(false);
    const QString path = app.writeFile(
        QStringLiteral("old.prof"),
        "[PROFILE]\r\n"
        "LedMode=6\r\n"
        "DPI_INFO_1_xy=3200\r\n"
        "BUTTON_INFO_2_KeyInfo_0_=4\r\n"
        "BUTTON_INFO_2_macroname=\\x43f\\x440\\x43e\r\n"
        "LedMode\\LED_MODE_6_RGB=@Variant(\\0\\0\\0\\x43\\x1\\xff\\xff\\xff\\xff}}\\0\\0\\0\\0)\r\n"
        "LedMode\\LED_MODE_7_RGB=#00ff00\r\n"
        "[MouseName]\r\nName=Wren W8\r\n");
    const ProfileData p = loadedFrom(path);
    QCOMPARE(int(p.LedMode), 6);
    QCOMPARE(p.stages[1].xy, 3200u);
    QCOMPARE(int(p.buttons[2].KeyInfo[0].DataL), 4);
    QCOMPARE(p.buttons[2].macroname, QString::fromUtf8("про"));
    QCOMPARE(p.leds[6].colour, QColor(255, 125, 0));
    QCOMPARE(p.leds[7].colour, QColor(0, 255, 0));
    QCOMPARE(ProfileFiles::readProductMarker(path), kModel);
}

void TestProfiles::hostileFilesLoadSafely_data()
{
    QTest::addColumn<QByteArray>("contents");
    QByteArray garbage;
    for (int i = 0; i < 65536; ++i)
        garbage.append(char((i * 7919 + i / 13) % 256));
    ProfileData valid = distinctProfile(3);
    TempAppDir app(false);
    const QString validPath = app.path() + QStringLiteral("/v.prof");
    QVERIFY(ProfileFiles::saveProfile(valid, validPath).isOk());
    QFile validFile(validPath);
    validFile.open(QIODevice::ReadOnly);
    const QByteArray whole = validFile.readAll();

    QTest::newRow("truncated") << whole.left(whole.size() / 2);
    QTest::newRow("binary garbage") << garbage;
    QTest::newRow("garbage after header") << QByteArray("[PROFILE]\n") + garbage;
    QTest::newRow("huge values") << QByteArray(
        "[PROFILE]\ndpi=99999999999999999999\nLedMode=4294967296\n"
        "BUTTON_INFO_0_Fun=1e308\nDPI_INFO_0_xy=184467440737095516150\n");
    QTest::newRow("negative values") << QByteArray("[PROFILE]\ndpi=-1\nLedMode=-200\nLedMoveOFF=-1\n"
                                                   "DPI_INFO_0_xy=-1\nBUTTON_INFO_0_KeyNumber=-5\n");
    QTest::newRow("wrong types") << QByteArray(
        "[PROFILE]\ndpi=@Variant(\\0\\0\\0\\x43\\x1)\nLedMode=a, b, c\n"
        "LedMode\\LED_MODE_0_RGB=12\nLedMode\\LED_MODE_1_RGB=@Variant(zz\n"
        "BUTTON_INFO_0_macroname=@ByteArray(\\xff\\0)\n"
        "DPI_INFO_0_used=@Rect(1 2 3 4)\n");
    QTest::newRow("index past tables") << QByteArray("[PROFILE]\ndpi=8\nLedMode=14\n");
}

void TestProfiles::hostileFilesLoadSafely()
{
    QFETCH(QByteArray, contents);
    TempAppDir app(false);
    const ProfileData p = loadedFrom(app.writeFile(QStringLiteral("bad.prof"), contents));
    QVERIFY(p.dpi < ProfileData::kStages);
    QVERIFY(p.LedMode < ProfileData::kLedModes);
}

void TestProfiles::damagedFileIsReplacedBySave()
{
    TempAppDir app(false);
    QByteArray garbage(4096, '\0');
    for (int i = 0; i < garbage.size(); ++i)
        garbage[i] = char((i * 37) % 256);
    app.writeFile(QStringLiteral("Configs/Profile/d.prof"), garbage);
    ProfileFiles files(app.paths(), QString());
    const ProfileData saved = distinctProfile(6);
    QVERIFY(files.saveNamedProfile(saved, QStringLiteral("d")).isOk());
    ProfileData loaded;
    files.loadNamedProfile(loaded, QStringLiteral("d"));
    QVERIFY(loaded == saved);
}

void TestProfiles::largeFileLoadsSafely()
{
    TempAppDir app(false);
    QByteArray big("[PROFILE]\ndpi=2\n");
    const QByteArray line(
        "BUTTON_INFO_0_KeyInfo_0_map=@Variant(\\0\\0\\0\\x43\\x1\\xff\\xff)xxxxxxxxxxxxxxxx\n");
    while (big.size() < 1536 * 1024)
        big.append(line);
    big.append("[other]\n");
    const ProfileData p = loadedFrom(app.writeFile(QStringLiteral("big.prof"), big));
    QCOMPARE(int(p.dpi), 2);
    QCOMPARE(int(p.buttons[0].KeyInfo[0].Map), 0);

    // Past the size limit the file is no profile of ours: refused, naming it.
    while (big.size() <= FileLimits::kMaxFileBytes)
        big.append(line);
    const QString path = app.writeFile(QStringLiteral("bigger.prof"), big);
    ProfileData refused = distinctProfile(3);
    const StorageResult result = ProfileFiles::readProfile(refused, path);
    QVERIFY(result.errorMessage().contains(path));
    verifyAllDefault(refused);
}

void TestProfiles::unsafeNamesAreRefused_data()
{
    QTest::addColumn<QString>("name");
    QTest::newRow("empty") << QString();
    QTest::newRow("parent") << QStringLiteral("..");
    QTest::newRow("escapes") << QStringLiteral("../../Config");
    QTest::newRow("slash") << QStringLiteral("a/b");
    QTest::newRow("backslash") << QStringLiteral("a\\b");
    QTest::newRow("control") << QStringLiteral("tab\there");
    QTest::newRow("colon") << QStringLiteral("C:x");
    QTest::newRow("star") << QStringLiteral("a*");
    QTest::newRow("device") << QStringLiteral("con");
    QTest::newRow("trailing dot") << QStringLiteral("name.");
    QTest::newRow("too long") << QString(300, QLatin1Char('x'));
}

void TestProfiles::unsafeNamesAreRefused()
{
    QFETCH(QString, name);
    TempAppDir app(false);
    ProfileFiles files(app.paths(), QString());
    const StorageResult result = files.saveNamedProfile(distinctProfile(2), name);
    QVERIFY(!result.isOk());
    QVERIFY(!result.errorMessage().isEmpty());
    QVERIFY(!files.writeStoredDpi(name, 1).isOk());
    QVERIFY(!files.removeProfile(name).isOk());
    QVERIFY(!files.renameProfile(QStringLiteral("ok"), name).isOk());
    QVERIFY(files.profilePath(name).isEmpty());
    // Nothing was written anywhere in the application directory.
    QDirIterator it(app.path(), QDir::Files, QDirIterator::Subdirectories);
    QVERIFY(!it.hasNext());
    ProfileData loaded = distinctProfile(4);
    files.loadNamedProfile(loaded, name);
    verifyAllDefault(loaded);
}

void TestProfiles::failedWritesAreReported()
{
    TempAppDir app(false);
    // A regular file where the profile folder should be.
    app.writeFile(QStringLiteral("Configs/Profile"), "not a folder");
    ProfileFiles blocked(app.paths(), QString());
    QVERIFY(!blocked.saveNamedProfile(distinctProfile(1), QStringLiteral("x")).isOk());

    // A folder where the file should be.
    QDir().mkpath(app.path() + QStringLiteral("/Configs/M/Profile/d.prof"));
    ProfileFiles files(app.paths(), QStringLiteral("M"));
    QVERIFY(!files.saveNamedProfile(distinctProfile(1), QStringLiteral("d")).isOk());
    QVERIFY(!ConfigurationFile(app.path()).exportConfiguration(ProfileSet(), kModel).isOk());
}

void TestProfiles::configurationRoundTrip()
{
    TempAppDir app(false);
    auto set = std::make_unique<ProfileSet>();
    set->ProfileID = 3;
    set->AngleValue = 1;
    set->LiftHigh = 2;
    set->Sync = 3;
    set->Count = 4;
    set->Jitter = 5;
    set->Debounce = 6;
    set->Wake = 7;
    set->SensorMode = 8;
    for (int i = 0; i < ProfileSet::kProfiles; ++i) {
        set->profiles[i] = distinctProfile(i + 10);
        set->profileNames[i] = QStringLiteral("Slot %1").arg(i);
    }
    const QString path = app.path() + QStringLiteral("/all.conf");
    ConfigurationFile conf(path);
    QVERIFY(conf.exportConfiguration(*set, kModel).isOk());

    auto imported = std::make_unique<ProfileSet>();
    for (int i = 0; i < ProfileSet::kProfiles; ++i) {
        imported->profiles[i].LedMoveOFF = quint8(50 + i);
        imported->profiles[i].LedSleepTime = quint8(60 + i);
    }
    conf.importConfiguration(*imported);
    for (int i = 0; i < ProfileSet::kProfiles; ++i) {
        QCOMPARE(int(imported->profiles[i].LedMoveOFF), 50 + i);
        QCOMPARE(int(imported->profiles[i].LedSleepTime), 60 + i);
        set->profiles[i].LedMoveOFF = quint8(50 + i);
        set->profiles[i].LedSleepTime = quint8(60 + i);
    }
    QVERIFY(*imported == *set);

    const QSettings bare(path, QSettings::IniFormat);
    QCOMPARE(bare.value(QStringLiteral("MouseName/Name")).toString(), kModel);
    QCOMPARE(bare.value(QStringLiteral("Config/Profile3")).toString(), QStringLiteral("Slot 2"));
    QCOMPARE(bare.value(QStringLiteral("Config/SensorMode")).toInt(), 8);
    QVERIFY(bare.contains(QStringLiteral("PROFILE_4/LedMode/LED_MODE_13_breath")));
    QVERIFY(!bare.contains(QStringLiteral("PROFILE_0/LedMoveOFF")));
    QVERIFY(!bare.contains(QStringLiteral("PROFILE_0/LedSleepTime")));
}

void TestProfiles::olderConfigurationKeepsSlotNames()
{
    TempAppDir app(false);
    const QString path =
        app.writeFile(QStringLiteral("old.conf"), "[Config]\nProfileID=9\nCount=2\n[PROFILE_1]\ndpi=5\n");
    auto set = std::make_unique<ProfileSet>();
    set->profileNames[1] = QStringLiteral("Gaming");
    set->AngleValue = 4;
    ConfigurationFile(path).importConfiguration(*set);
    QCOMPARE(set->profileNames[1], QStringLiteral("Gaming"));
    QCOMPARE(int(set->profiles[1].dpi), 5);
    QCOMPARE(int(set->ProfileID), 0);
    QCOMPARE(int(set->Count), 2);
    QCOMPARE(int(set->AngleValue), 0);
}

void TestProfiles::resetWithoutProductDescription()
{
    TempAppDir app(false);
    ProfileData p = distinctProfile(5);
    ProfileDefaults::resetProfile(p, ProductDescription(app.paths().productDescriptionFile()));
    const quint32 stages[8] = {8, 12, 16, 24, 50, 75, 0, 0};
    for (int n = 0; n < 8; ++n) {
        QCOMPARE(p.stages[n], (DpiStage{1, 1, stages[n], stages[n], stages[n]}));
    }
    QCOMPARE(int(p.LedMode), 9);
    QCOMPARE(int(p.pollrate), 1);
    QCOMPARE(int(p.dpi), 1);
    QCOMPARE(int(p.mousespeed), 10);
    QCOMPARE(int(p.dbclickspeed), 5);
    QCOMPARE(int(p.LedSleepTime), 1);
    QCOMPARE(int(p.LedMoveOFF), 0);
    const int funs[8] = {1, 2, 3, 4, 5, 4, 5, 0};
    for (int b = 0; b < 8; ++b)
        QCOMPARE(p.buttons[b].Fun, funs[b]);
    QCOMPARE(p.buttons[40].Fun, 52);
    QCOMPARE(p.buttons[41].Fun, 53);
    QCOMPARE(p.buttons[3].macroname, QString());
    QCOMPARE(p.leds[10].colour, QColor(0, 255, 0));
    QCOMPARE(p.leds[9], (LedSetting{QColor(255, 0, 0), 360, 0, 0, 3, 3}));
    QCOMPARE(p.ProfileName, QString());
}

void TestProfiles::resetWithProductDescription()
{
    TempAppDir app;
    ProfileData p = distinctProfile(5);
    ProfileDefaults::resetProfile(p, ProductDescription(app.paths().productDescriptionFile()));
    QCOMPARE(p.stages[0], (DpiStage{1, 1, 8, 8, 8}));
    QCOMPARE(p.stages[7].y, 420u);
    QCOMPARE(int(p.LedMode), 0);
    QCOMPARE(p.buttons[0].Fun, 1);
    QCOMPARE(p.buttons[0].LoopNumber, 1);
    QCOMPARE(p.buttons[1].ID, 0);
    QCOMPARE(p.buttons[17].Fun, 0);
    QCOMPARE(p.buttons[40].Fun, 52);
    QCOMPARE(p.leds[13], (LedSetting{QColor(219, 200, 182), 360, 0, 0, 3, 2}));
    QCOMPARE(int(p.LedSleepTime), 1);
    QCOMPARE(int(p.buttons[0].KeyInfo[0].Map), 0);
}

void TestProfiles::resetAllResetsEverySlotAndNamesThem()
{
    TempAppDir app;
    const ProductDescription product(app.paths().productDescriptionFile());
    auto set = std::make_unique<ProfileSet>();
    set->ProfileID = 4;
    set->Count = 9;
    for (int i = 0; i < ProfileSet::kProfiles; ++i)
        set->profiles[i] = distinctProfile(i);
    ProfileDefaults::resetAll(*set, product);
    ProfileData fresh;
    ProfileDefaults::resetProfile(fresh, product);
    QCOMPARE(int(set->ProfileID), 0);
    QCOMPARE(int(set->Count), 9);
    QCOMPARE(int(set->LiftHigh), 1);
    QCOMPARE(int(set->Debounce), 8);
    QCOMPARE(int(set->SensorMode), 1);
    for (int i = 0; i < ProfileSet::kProfiles; ++i) {
        QVERIFY(set->profiles[i] == fresh);
        QCOMPARE(set->profileNames[i], QStringLiteral("Profile %1").arg(i + 1));
    }

    // Without a product description the sensor bytes stay as they were.
    TempAppDir empty(false);
    set->Debounce = 77;
    ProfileDefaults::resetAll(*set, ProductDescription(empty.paths().productDescriptionFile()));
    QCOMPARE(int(set->Debounce), 77);
}

void TestProfiles::setIsSavedAndLoadedFromTheModelFolder()
{
    TempAppDir app;
    ProfileSetStore store(app.paths(), kModel);
    auto set = std::make_unique<ProfileSet>();
    set->ProfileID = 2;
    set->Debounce = 12;
    set->Count = 3;
    for (int i = 0; i < ProfileSet::kProfiles; ++i) {
        set->profiles[i] = distinctProfile(i + 20);
        set->profileNames[i] = QStringLiteral("Named %1").arg(i);
    }
    QVERIFY(store.saveSet(*set).isOk());
    for (int i = 0; i < ProfileSet::kProfiles; ++i) {
        QVERIFY(QFile::exists(app.path() + QStringLiteral("/Configs/Wren W8/Profile/Named %1.prof").arg(i)));
    }
    const QSettings bare(app.paths().configFile(), QSettings::IniFormat);
    QCOMPARE(bare.value(QStringLiteral("Config/Profile5")).toString(), QStringLiteral("Named 4"));
    QCOMPARE(bare.value(QStringLiteral("Config/ProfileID")).toInt(), 2);
    QCOMPARE(bare.value(QStringLiteral("Config/Debounce")).toInt(), 12);
    QCOMPARE(bare.value(QStringLiteral("Config/GColorID")).toInt(), 6);

    auto loaded = std::make_unique<ProfileSet>();
    store.loadSet(*loaded);
    QVERIFY(*loaded == *set);
}

void TestProfiles::setWithoutConfigurationLoadsDefaults()
{
    TempAppDir app(false);
    auto set = std::make_unique<ProfileSet>();
    set->ProfileID = 3;
    set->Jitter = 9;
    set->profileNames[0] = QStringLiteral("x");
    ProfileSetStore(app.paths(), kModel).loadSet(*set);
    QCOMPARE(int(set->ProfileID), 0);
    QCOMPARE(int(set->Jitter), 0);
    QCOMPARE(set->profileNames[0], QString());
    verifyAllDefault(set->profiles[0]);

    app.writeFile(QStringLiteral("Configs/Config.ini"), "[Config]\nProfileID=7\nProfile1=../../escape\n");
    app.writeFile(QStringLiteral("escape.prof"), "[PROFILE]\ndpi=4\n");
    ProfileSetStore(app.paths(), kModel).loadSet(*set);
    QCOMPARE(int(set->ProfileID), 0);
    verifyAllDefault(set->profiles[0]);

    // A slot without a name was saved as ".prof" by earlier installs.
    app.writeFile(QStringLiteral("Configs/Wren W8/Profile/.prof"), "[PROFILE]\ndpi=3\n");
    ProfileSetStore(app.paths(), kModel).loadSet(*set);
    QCOMPARE(int(set->profiles[1].dpi), 3);
}

void TestProfiles::saveOfSetReportsSlotsItCannotSave()
{
    TempAppDir app(false);
    ProfileSetStore store(app.paths(), QString());
    auto set = std::make_unique<ProfileSet>();
    for (int i = 0; i < ProfileSet::kProfiles; ++i)
        set->profileNames[i] = QStringLiteral("P%1").arg(i);
    set->profileNames[1] = QString();
    set->profileNames[3] = QStringLiteral("../outside");
    const StorageResult result = store.saveSet(*set);
    QVERIFY(!result.isOk());
    QVERIFY(result.errorMessage().contains(QLatin1String("Profile 2")));
    QVERIFY(result.errorMessage().contains(QLatin1String("Profile 4")));
    QVERIFY(QFile::exists(app.path() + QStringLiteral("/Configs/Profile/P4.prof")));
    QVERIFY(!QFile::exists(app.path() + QStringLiteral("/Configs/outside.prof")));
    QVERIFY(!QFile::exists(app.path() + QStringLiteral("/Configs/Profile/.prof")));
}

void TestProfiles::selectProfileReloadsAndStoresIndex()
{
    TempAppDir app(false);
    ProfileSetStore store(app.paths(), kModel);
    QVERIFY(store.files().saveNamedProfile(distinctProfile(8), QStringLiteral("Chosen")).isOk());
    auto set = std::make_unique<ProfileSet>();
    QVERIFY(store.selectProfile(*set, 3, QStringLiteral("Chosen")).isOk());
    QCOMPARE(int(set->ProfileID), 3);
    QCOMPARE(set->profileNames[3], QStringLiteral("Chosen"));
    QCOMPARE(set->profiles[3].buttons[9], distinctProfile(8).buttons[9]);
    QCOMPARE(AppConfig(app.paths()).profileId(), 3);
    QVERIFY(!store.selectProfile(*set, 5).isOk());
    QCOMPARE(int(set->ProfileID), 3);
}

void TestProfiles::defaultProfileIsReplaced()
{
    TempAppDir app;
    ProfileSetStore store(app.paths(), kModel);
    const QString path = store.files().defaultProfilePath();
    QCOMPARE(path, app.path() + QStringLiteral("/Configs/Wren W8/Profile/DefaultProfile.prof"));
    app.writeFile(QStringLiteral("Configs/Wren W8/Profile/DefaultProfile.prof"), "[PROFILE]\nstale=1\n");
    QVERIFY(store.writeDefaultProfile().isOk());
    const QSettings bare(path, QSettings::IniFormat);
    QVERIFY(!bare.contains(QStringLiteral("PROFILE/stale")));
    QCOMPARE(bare.value(QStringLiteral("PROFILE/DPI_INFO_1_xy")).toInt(), 16);
}

void TestProfiles::profileFileOperations()
{
    TempAppDir app(false);
    ProfileFiles files(app.paths(), kModel);
    QVERIFY(files.saveNamedProfile(distinctProfile(1), QStringLiteral("Gaming")).isOk());
    QVERIFY(files.writeStoredDpi(QStringLiteral("Gaming"), 6).isOk());
    QCOMPARE(int(loadedFrom(files.profilePath(QStringLiteral("Gaming"))).dpi), 6);

    const QString exported = app.path() + QStringLiteral("/out.prof");
    QVERIFY(files.exportProfile(QStringLiteral("Gaming"), kModel, exported).isOk());
    QCOMPARE(ProfileFiles::readProductMarker(exported), kModel);
    QVERIFY(!files.exportProfile(QStringLiteral("Gaming"), kModel, exported).isOk());

    QString imported;
    QCOMPARE(files.importProfile(exported, QStringLiteral("Other"), &imported).errorMessage(),
             ProfileFiles::wrongModelMessage());
    QVERIFY(files.importProfile(exported, kModel, &imported).isOk());
    QCOMPARE(imported, QStringLiteral("out"));
    QCOMPARE(files.importProfile(exported, kModel, &imported).errorMessage(), ProfileFiles::existsMessage());

    QCOMPARE(files.renameProfile(QStringLiteral("out"), QStringLiteral("Gaming")).errorMessage(),
             ProfileFiles::existsMessage());
    QVERIFY(files.renameProfile(QStringLiteral("out"), QStringLiteral("Renamed")).isOk());
    QVERIFY(files.exists(QStringLiteral("Renamed")) && !files.exists(QStringLiteral("out")));
    QVERIFY(
        files.copyProfile(files.profilePath(QStringLiteral("Gaming")), QStringLiteral("Gaming copy")).isOk());
    QVERIFY(loadedFrom(files.profilePath(QStringLiteral("Gaming copy"))) ==
            loadedFrom(files.profilePath(QStringLiteral("Gaming"))));
    QVERIFY(files.removeProfile(QStringLiteral("Gaming copy")).isOk());
    QVERIFY(!files.exists(QStringLiteral("Gaming copy")));
}

QTEST_GUILESS_MAIN(TestProfiles)
#include "tst_profiles.moc"

void TestProfiles::storedStageChangesTheStageAlone_data()
{
    QTest::addColumn<QByteArray>("tail");
    QTest::addColumn<bool>("crlf");
    QTest::addColumn<bool>("sameBytesOtherwise");
    QTest::newRow("as written") << QByteArray() << false << true;
    QTest::newRow("escaped second key") << QByteArray("%64pi=3\n") << false << false;
    QTest::newRow("blank before a second key") << QByteArray(" dpi=3\n") << false << false;
    QTest::newRow("second section") << QByteArray("[PROFILE]\ndpi=2\n") << false << false;
    QTest::newRow("key in another section") << QByteArray("[Other]\ndpi=4\n") << false << false;
    QTest::newRow("carriage returns") << QByteArray() << true << false;
}

// Setting the stored stage keeps every other value of the file, whatever
// the file looks like; a file as the program writes it changes in that one
// line.
void TestProfiles::storedStageChangesTheStageAlone()
{
    QFETCH(QByteArray, tail);
    QFETCH(bool, crlf);
    QFETCH(bool, sameBytesOtherwise);
    TempAppDir app(false);
    ProfileFiles files(app.paths(), kModel);
    const QString name = QStringLiteral("Stage");
    QVERIFY(files.saveNamedProfile(distinctProfile(3), name).isOk());
    const QString path = files.profilePath(name);
    QByteArray text = fileText(path).toLatin1() + tail;
    if (crlf)
        text.replace("\n", "\r\n");
    app.writeFile(QDir(app.path()).relativeFilePath(path), text);
    ProfileData expected = loadedFrom(path);
    expected.dpi = 6;

    QVERIFY(files.writeStoredDpi(name, 6).isOk());
    QVERIFY(loadedFrom(path) == expected);
    if (sameBytesOtherwise) {
        QByteArray stageSix = text;
        stageSix.replace("\ndpi=3\n", "\ndpi=6\n");
        QCOMPARE(fileText(path).toLatin1(), stageSix);
    }
}
