// SPDX-License-Identifier: GPL-3.0-or-later
#include "storage/AppConfig.h"
#include "storage/ConfigurationFile.h"
#include "storage/FileLimits.h"
#include "storage/FileStore.h"
#include "storage/IniReader.h"
#include "storage/IniText.h"
#include "storage/LanguageConfig.h"
#include "storage/MacroFiles.h"
#include "storage/ProductDescription.h"
#include "storage/ProfileData.h"
#include "storage/ProfileFiles.h"
#include "storage/ProfileSet.h"
#include "storage/SettingsWriter.h"
#include "support/TempAppDir.h"

#include <QFile>
#include <QProcess>
#include <QSettings>
#include <QtTest>

namespace {

// A QVariantList of 2^31 - 1 elements: Qt's deserialiser tries to allocate
// them all.
const QByteArray kHugeList = "@Variant(\\0\\0\\0\\t\\x7f\\xff\\xff\\xff)";

// Lists, each holding the next: the deserialiser would recurse once per
// level. 2,000 of them fit within the longest line a file may have; the
// 100,000 that would end the stack make the line too long, and the file is
// refused as a whole (see limitsRefuseTheWholeFile).
QByteArray nestedLists(int depth = 2000)
{
    QByteArray value = "@Variant(";
    for (int i = 0; i < depth; ++i)
        value += "\\0\\0\\0\\t\\0\\0\\0\\x1";
    return value + ')';
}

QByteArray fileWith(const QByteArray& section, const QByteArray& lines)
{
    return '[' + section + "]\n" + lines;
}

QString mkfifo(const TempAppDir& app, const QString& relativePath)
{
    const QString path = app.path() + QLatin1Char('/') + relativePath;
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile::remove(path);
    return QProcess::execute(QStringLiteral("mkfifo"), {path}) == 0 ? path : QString();
}

// A map as Qt's own INI writer stores it, read back by our parser.
QSettings::SettingsMap parsedFromQt(const TempAppDir& app, const QSettings::SettingsMap& values)
{
    const QString path = app.path() + QStringLiteral("/qt.ini");
    {
        QSettings qt(path, QSettings::IniFormat);
        for (auto it = values.cbegin(); it != values.cend(); ++it)
            qt.setValue(it.key(), it.value());
    }
    QFile file(path);
    file.open(QIODevice::ReadOnly);
    QSettings::SettingsMap parsed;
    IniText::parse(file.readAll(), parsed);
    return parsed;
}

} // namespace

// Every file kind read as a hostile user would craft it, and the text form
// shared with files written by Qt's own INI format.
class TestIniFiles : public QObject
{
    Q_OBJECT

private slots:
    void typedValuesReadAsMissing_data();
    void typedValuesReadAsMissing();
    void writingOverAHostileFileDropsItsTypedValues();
    void textFormMatchesQtsIniFormat();
    void coloursKeepTheirStoredForm();
    void onlyRegularFilesAreRead();
    void limitsRefuseTheWholeFile_data();
    void limitsRefuseTheWholeFile();
    void linksAreNeitherReadNorWritten();
};

void TestIniFiles::typedValuesReadAsMissing_data()
{
    QTest::addColumn<QByteArray>("value");
    QTest::newRow("huge list") << kHugeList;
    QTest::newRow("huge string list") << QByteArray("@Variant(\\0\\0\\0\\v\\x7f\\xff\\xff\\xff)");
    QTest::newRow("huge polygon") << QByteArray("@Variant(\\0\\0\\0G\\x7f\\xff\\xff\\xff)");
    QTest::newRow("nested lists") << nestedLists();
    QTest::newRow("escaped at sign") << QByteArray("\\x40Variant(\\0\\0\\0\\t\\x7f\\xff\\xff\\xff)");
    QTest::newRow("quoted") << '"' + kHugeList + '"';
    QTest::newRow("list element") << "a, " + kHugeList;
    QTest::newRow("colour where none belongs")
        << QByteArray("@Variant(\\0\\0\\0\\x43\\x1\\xff\\xff\\xff\\xff\\0\\0\\0\\0\\0\\0)");
    QTest::newRow("byte array") << QByteArray("@ByteArray(7)");
    QTest::newRow("size") << QByteArray("@Size(7 7)");
}

// In each file kind the crafted value sits at a key that is read and at one
// that is never read; the key reads as missing and the rest of the file
// loads.
void TestIniFiles::typedValuesReadAsMissing()
{
    QFETCH(QByteArray, value);
    TempAppDir app(false);
    const AppPaths paths = app.paths();
    const QByteArray unread = "Unread=" + value + '\n';

    app.writeFile(QStringLiteral("Configs/Config.ini"),
                  fileWith("Config", "CurrentProductName=" + value + "\nProfileID=3\n" + unread) +
                      fileWith("Mouse_List", "0=" + value + '\n'));
    AppConfig config(paths);
    QCOMPARE(config.currentProductName(), QString());
    QCOMPARE(config.mouseListName(), QByteArray());
    QCOMPARE(config.profileId(), 3);

    const QString prof = app.writeFile(
        QStringLiteral("p.prof"), fileWith("PROFILE", "ProfileName=" + value + "\npollrate=2\n" + unread));
    ProfileData profile;
    // A value longer than a line may be makes the whole profile unreadable.
    const bool refused = value.size() > FileLimits::kMaxLineBytes;
    QCOMPARE(ProfileFiles::readProfile(profile, prof).isOk(), !refused);
    QCOMPARE(profile.ProfileName, QString());
    QCOMPARE(profile.pollrate, quint8(refused ? 0 : 2));

    const QString conf = app.writeFile(QStringLiteral("c.conf"),
                                       fileWith("Config", "ProfileID=4\n" + unread) +
                                           fileWith("PROFILE_0", "ProfileName=" + value + "\ndpi=5\n"));
    ProfileSet set;
    ConfigurationFile(conf).importConfiguration(set);
    QCOMPARE(set.ProfileID, quint8(4));
    QCOMPARE(set.profiles[0].ProfileName, QString());
    QCOMPARE(set.profiles[0].dpi, quint8(5));

    app.writeFile(QStringLiteral("DefaultProfile.bin"),
                  fileWith("PROFILE", "ButtonCount=" + value + "\nMouseDpi=6\n" + unread));
    QCOMPARE(ProductDescription(paths.productDescriptionFile()).buttonCount(), 6);

    app.writeFile(QStringLiteral("Configs/MacroDB/m.MSMACRO"),
                  fileWith("Setting", "Count=2\nMap_0=" + value + "\nDataL_1=7\n" + unread));
    const QVector<MacroEvent> events = MacroFiles(paths).readEvents(QStringLiteral("m"));
    QCOMPARE(events.size(), 2);
    QCOMPARE(events[0].Map, quint8(0));
    QCOMPARE(events[1].DataL, quint8(7));

    app.writeFile(QStringLiteral("Configs/LangConfig.ini"), fileWith("Config", "LangID=" + value + '\n'));
    QCOMPARE(LanguageConfig(paths).languageIndex(), 0);
    app.writeFile(QStringLiteral("Configs/LangConfig.ini"), fileWith("Config", "LangID=2\n" + unread));
    QCOMPARE(LanguageConfig(paths).languageIndex(), 2);
}

void TestIniFiles::writingOverAHostileFileDropsItsTypedValues()
{
    TempAppDir app(false);
    const QString path = app.writeFile(QStringLiteral("Configs/Config.ini"),
                                       fileWith("Config", "ProfileID=2\nUnread=" + nestedLists() + '\n') +
                                           fileWith("Other", "Key=" + kHugeList + "\nKept=yes\n"));
    AppConfig config(app.paths());
    QVERIFY(config.setDiff(1).isOk());
    QCOMPARE(config.diff(), 1);
    QCOMPARE(config.profileId(), 2);
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray written = file.readAll();
    QVERIFY(!written.contains("@Variant"));
    QVERIFY(written.contains("Kept=yes"));
}

// Files written by Qt's INI format (by older versions, or by hand with Qt
// tools) read the same with our parser, and Qt reads what we write.
void TestIniFiles::textFormMatchesQtsIniFormat()
{
    TempAppDir app(false);
    const QSettings::SettingsMap values{
        {QStringLiteral("Config/Profile1"), QStringLiteral("a, b; c = d")},
        {QStringLiteral("Config/Profile2"), QStringLiteral("  spaced  ")},
        {QStringLiteral("Config/Profile3"), QStringLiteral("quote\" back\\slash\ttab\nline")},
        {QStringLiteral("Config/Profile4"), QStringLiteral("\u7b80\u4f53 caf\u00e9")},
        {QStringLiteral("Config/Profile5"), QStringLiteral("@at")},
        {QStringLiteral("Config/Nul"), QString(QStringLiteral("a")) + QChar(0) + QStringLiteral("1")},
        {QStringLiteral("MouseLEDMode/Wren W8 \u00e9"), QStringLiteral("2")},
        {QStringLiteral("PROFILE/LedMode/LED_MODE_0_RGB"), QVariant::fromValue(QColor(1, 2, 3))},
        {QStringLiteral("General/Section"), QStringLiteral("named General")},
        {QStringLiteral("TopLevel"), QStringLiteral("1")},
    };
    QCOMPARE(parsedFromQt(app, values), values);

    const QString ours = app.path() + QStringLiteral("/ours.ini");
    QFile file(ours);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(IniText::serialise(values));
    file.close();
    const QSettings qt(ours, QSettings::IniFormat);
    QCOMPARE(qt.allKeys().size(), values.size());
    for (auto it = values.cbegin(); it != values.cend(); ++it)
        QCOMPARE(qt.value(it.key()), it.value());
}

void TestIniFiles::coloursKeepTheirStoredForm()
{
    TempAppDir app(false);
    ProfileData profile;
    profile.leds[0].colour = QColor(0x12, 0x34, 0x56);
    profile.leds[1].colour = QColor::fromHsv(120, 200, 100);
    const QString path = app.path() + QStringLiteral("/c.prof");
    QVERIFY(ProfileFiles::saveProfile(profile, path).isOk());
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    // QColor's variant form in QDataStream version 7, as files hold it.
    QVERIFY(file.readAll().contains(
        "LedMode\\LED_MODE_0_RGB=@Variant(\\0\\0\\0\\x43\\x1\\xff\\xff\\x12\\x12\\x34\\x34V"));
    ProfileData loaded;
    ProfileFiles::loadProfile(loaded, path);
    QCOMPARE(loaded.leds[0].colour, profile.leds[0].colour);
    QCOMPARE(loaded.leds[1].colour, profile.leds[1].colour);
    QVERIFY(!loaded.leds[2].colour.isValid());

    // A colour stored with a byte too few or of another spec is no colour.
    app.writeFile(
        QStringLiteral("d.prof"),
        fileWith("PROFILE",
                 "LedMode\\LED_MODE_0_RGB=@Variant(\\0\\0\\0\\x43\\x1\\xff\\xff\\0\\0\\0\\0\\0\\0)\n"
                 "LedMode\\LED_MODE_1_RGB=@Variant(\\0\\0\\0\\x43\\x9\\xff\\xff\\0\\0\\0\\0\\0\\0\\0\\0)\n"
                 "LedMode\\LED_MODE_2_RGB=#ff8000\n"));
    ProfileFiles::loadProfile(loaded, app.path() + QStringLiteral("/d.prof"));
    QVERIFY(!loaded.leds[0].colour.isValid());
    QVERIFY(!loaded.leds[1].colour.isValid());
    QCOMPARE(loaded.leds[2].colour, QColor(255, 128, 0));
}

// A FIFO would block a reader for good; a folder is no file either.
void TestIniFiles::onlyRegularFilesAreRead()
{
    TempAppDir app(false);
    const AppPaths paths = app.paths();
    const QString fifo = mkfifo(app, QStringLiteral("Configs/Profile/fifo.prof"));
    QVERIFY(!fifo.isEmpty());
    ProfileData profile;
    profile.pollrate = 9;
    ProfileFiles::loadProfile(profile, fifo);
    QCOMPARE(profile.pollrate, quint8(0));
    QCOMPARE(profile.LedSleepTime, quint8(1));
    QVERIFY(!ProfileFiles::saveProfile(profile, fifo).isOk());

    QVERIFY(!mkfifo(app, QStringLiteral("Configs/MacroDB/fifo.MSMACRO")).isEmpty());
    QVERIFY(MacroFiles(paths).readEvents(QStringLiteral("fifo")).isEmpty());
    QVERIFY(!mkfifo(app, QStringLiteral("Configs/LangConfig.ini")).isEmpty());
    QCOMPARE(LanguageConfig(paths).languageIndex(), 0);
    QVERIFY(!LanguageConfig(paths).setLanguageIndex(1).isOk());

    QVERIFY(QDir().mkpath(paths.configFile()));
    QCOMPARE(AppConfig(paths).batteryFull(), AppConfig::kDefaultBatteryFull);
    const StorageResult saved = AppConfig(paths).setDiff(1);
    QVERIFY(!saved.isOk());
    QVERIFY(saved.errorMessage().contains(QStringLiteral("not a regular file")));
}

void TestIniFiles::limitsRefuseTheWholeFile_data()
{
    QTest::addColumn<QByteArray>("text");
    const QByteArray keys = "[Config]\nProfileID=3\n";
    QByteArray longSection = "[" + QByteArray(200000, 's') + "]\n";
    for (int i = 0; i < 30000; ++i)
        longSection += "k" + QByteArray::number(i) + "=1\n";
    QTest::newRow("740 KB: a long section name, many keys") << longSection + keys;
    QTest::newRow("a long line") << keys + "Other=" + QByteArray(100000, 'v') + "\n";
    QTest::newRow("a long key") << keys + QByteArray(5000, 'k') + "=1\n";
    QByteArray many = keys;
    for (int i = 0; i <= FileLimits::kMaxIniFileKeys; ++i)
        many += "k" + QByteArray::number(i) + "=1\n";
    QTest::newRow("more keys than a file of ours") << many;
    QByteArray large = keys;
    while (large.size() < 9 * 1024 * 1024)
        large += "[S]\n" + QByteArray(1000, 'x') + "=1\n";
    QTest::newRow("larger than any file of ours") << large;
}

// Refused in bounded time and memory, with a reason that names the file;
// the program goes on as if the file held nothing.
void TestIniFiles::limitsRefuseTheWholeFile()
{
    QFETCH(QByteArray, text);
    TempAppDir app(false);
    const QString path = app.writeFile(QStringLiteral("Configs/Config.ini"), text);
    const IniReader reader(app.paths().store(), path);
    QVERIFY(reader.keys().isEmpty());
    QVERIFY2(reader.error().contains(path), qPrintable(reader.error()));
    QCOMPARE(AppConfig(app.paths()).profileId(), 0);
    // Written over, the refused text is replaced rather than carried along.
    QVERIFY(AppConfig(app.paths()).setProfileId(2).isOk());
    QVERIFY(QFileInfo(path).size() < 100);
    QCOMPARE(AppConfig(app.paths()).profileId(), 2);
}

void TestIniFiles::linksAreNeitherReadNorWritten()
{
    TempAppDir app(false);
    QTemporaryDir outside;
    const QString target = outside.filePath(QStringLiteral("elsewhere.ini"));
    QFile file(target);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("[Config]\nProfileID=4\n");
    file.close();
    QVERIFY(QDir().mkpath(app.paths().configDir()));
    QVERIFY(QFile::link(target, app.paths().configFile()));
    QCOMPARE(AppConfig(app.paths()).profileId(), 0);
    QVERIFY(!IniReader(app.paths().store(), app.paths().configFile()).error().isEmpty());
    const StorageResult written = AppConfig(app.paths()).setProfileId(1);
    QVERIFY(!written.isOk());
    QVERIFY(written.errorMessage().contains(QStringLiteral("link")));
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), QByteArray("[Config]\nProfileID=4\n"));
    file.close();

    // A dangling link creates nothing outside either.
    const QString dangling = outside.filePath(QStringLiteral("missing.prof"));
    const ProfileFiles files(app.paths(), QString());
    QVERIFY(QDir().mkpath(files.profileDir()));
    QVERIFY(QFile::link(dangling, files.profilePath(QStringLiteral("Profile 2"))));
    QVERIFY(!ProfileFiles(app.paths(), QString()).writeStoredDpi(QStringLiteral("Profile 2"), 3).isOk());
    QVERIFY(!QFileInfo::exists(dangling));
}

QTEST_GUILESS_MAIN(TestIniFiles)
#include "tst_inifiles.moc"
