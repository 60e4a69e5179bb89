// SPDX-License-Identifier: GPL-3.0-or-later
#include "storage/LanguageConfig.h"
#include "support/TempAppDir.h"

#include <QSettings>
#include <QtTest>

class TestLanguages : public QObject
{
    Q_OBJECT

private slots:
    void readsTheShippedTable();
    void missingFilesGiveLanguageZeroAndAnEmptyTable();
    void chosenLanguageIsStored();
    void indexOutsideTheTableMeansNoTranslation_data();
    void indexOutsideTheTableMeansNoTranslation();
    void hostileTablesLoadSafely();
    void failedWriteIsReported();
};

void TestLanguages::readsTheShippedTable()
{
    TempAppDir app;
    LanguageConfig languages(app.paths());
    QCOMPARE(languages.languageIndex(), 0);
    const LanguageTable table = languages.languageTable();
    QCOMPARE(table.count, 3);
    // Stored as \x escapes, which Qt 5 and Qt 6 both read as Unicode.
    QCOMPARE(table.names[0], QStringLiteral("English"));
    QCOMPARE(table.names[1], QString::fromUtf8("简体中文"));
    QCOMPARE(table.names[2], QString::fromUtf8("繁體中文"));
    QCOMPARE(table.files[1], QStringLiteral("sc"));
    QCOMPARE(table.names[3], QString());
    const LanguageFont font = languages.font(1);
    QCOMPARE(font.family, QStringLiteral("Noto Sans CJK SC"));
    QCOMPARE(font.pixelSize, 12);
    QCOMPARE(languages.translationFile(2), app.path() + QStringLiteral("/lang/tc.qm"));
}

void TestLanguages::missingFilesGiveLanguageZeroAndAnEmptyTable()
{
    TempAppDir app(false);
    LanguageConfig languages(app.paths());
    QCOMPARE(languages.languageIndex(), 0);
    QCOMPARE(languages.languageTable().count, 0);
    QCOMPARE(languages.font(0).family, QString());
    QCOMPARE(languages.font(0).pixelSize, 0);
    QCOMPARE(languages.translationFile(0), QString());
}

void TestLanguages::chosenLanguageIsStored()
{
    TempAppDir app;
    LanguageConfig languages(app.paths());
    QVERIFY(languages.setLanguageIndex(2).isOk());
    QCOMPARE(QSettings(app.paths().langConfigFile(), QSettings::IniFormat)
                 .value(QStringLiteral("Config/LangID"))
                 .toInt(),
             2);
    QCOMPARE(LanguageConfig(app.paths()).languageIndex(), 2);
}

void TestLanguages::indexOutsideTheTableMeansNoTranslation_data()
{
    QTest::addColumn<int>("index");
    QTest::newRow("negative") << -1;
    QTest::newRow("past the count") << 3;
    QTest::newRow("past the table") << 10;
    QTest::newRow("huge") << 2147483647;
}

void TestLanguages::indexOutsideTheTableMeansNoTranslation()
{
    QFETCH(int, index);
    TempAppDir app;
    app.writeFile(QStringLiteral("Configs/Config.ini"), "[FONT_LIST]\nLANGNUM=3\nLangFile_3=xx\nFONT_3=F\n"
                                                        "FONT_SIZE_3=9\nFONT_10=G\n");
    LanguageConfig languages(app.paths());
    QCOMPARE(languages.translationFile(index), QString());
    if (index < 0 || index > 9)
        QCOMPARE(languages.font(index).family, QString());
}

void TestLanguages::hostileTablesLoadSafely()
{
    TempAppDir app;
    QByteArray contents("[FONT_LIST]\nLANGNUM=99999\nLangFile_0=../../../etc/x\nLangFile_1=en\n"
                        "FONT_SIZE_0=4294967295\nFONT_SIZE_1=-12\nFONT_SIZE_2=1e9\nLangName_2=a, b\n");
    while (contents.size() < 2 * 1024 * 1024)
        contents.append("\x01\xfe[\\x]=\n");
    app.writeFile(QStringLiteral("Configs/Config.ini"), contents);
    app.writeFile(QStringLiteral("Configs/LangConfig.ini"), "[Config]\nLangID=@Variant(\\0\\0)\n");
    LanguageConfig languages(app.paths());
    const LanguageTable table = languages.languageTable();
    QCOMPARE(table.count, LanguageTable::kMaxLanguages);
    QCOMPARE(table.names[2], QStringLiteral("a, b"));
    QCOMPARE(languages.translationFile(0), QString());
    QCOMPARE(languages.translationFile(1), app.path() + QStringLiteral("/lang/en.qm"));
    QCOMPARE(languages.font(0).pixelSize, 0);
    QCOMPARE(languages.font(1).pixelSize, 0);
    QCOMPARE(languages.font(2).pixelSize, 0);
    QCOMPARE(languages.languageIndex(), 0);

    app.writeFile(QStringLiteral("Configs/Config.ini"), "[FONT_LIST]\nLANGNUM=-2\n");
    QCOMPARE(languages.languageTable().count, 0);
}

void TestLanguages::failedWriteIsReported()
{
    TempAppDir app(false);
    app.writeFile(QStringLiteral("Configs/LangConfig.ini/blocked"), "a folder where the file should be");
    QVERIFY(!LanguageConfig(app.paths()).setLanguageIndex(1).isOk());
}

QTEST_GUILESS_MAIN(TestLanguages)
#include "tst_languages.moc"
