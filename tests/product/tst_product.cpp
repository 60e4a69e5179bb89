// SPDX-License-Identifier: GPL-3.0-or-later
#include "protocol/DeviceLimits.h"
#include "protocol/FunctionTable.h"
#include "protocol/KeyTable.h"
#include "storage/AppConfig.h"
#include "storage/ModelDescription.h"
#include "storage/ProductDescription.h"
#include "storage/ProfileDefaults.h"
#include "storage/ProfileSet.h"
#include "support/TempAppDir.h"

#include <QSettings>
#include <QtTest>

class TestProductDescription : public QObject
{
    Q_OBJECT

private:
    // Each call writes a file of its own: QSettings caches a file by its
    // path, size and time, which a rewrite within a second may not change.
    ProductDescription write(const TempAppDir& dir, const QByteArray& profileSection)
    {
        const QString name = QStringLiteral("description%1.bin").arg(++m_files);
        return ProductDescription(dir.writeFile(name, "[PROFILE]\n" + profileSection));
    }

    int m_files = 0;

private Q_SLOTS:
    void countsAreCombinedByExclusiveOr()
    {
        TempAppDir dir(false);
        const ProductDescription file = write(dir, "ButtonCount=3\nMouseDpi=5\n");
        QCOMPARE(file.buttonCount(), 6);
        QCOMPARE(file.dpiStageCount(), 6);

        const ProductDescription withStages = write(dir, "ButtonCount=90\nMouseDpi=82\nDPICount=14\n");
        QCOMPARE(withStages.buttonCount(), 8);
        QCOMPARE(withStages.dpiStageCount(), 6);
    }

    void missingFileGivesDefaultsAndGroupedReadsReportIt()
    {
        TempAppDir dir(false);
        const ProductDescription file(dir.path() + QStringLiteral("/DefaultProfile.bin"));
        QVERIFY(!file.exists());
        QCOMPARE(file.productName(), QString());
        QCOMPARE(file.buttonCount(), 0);
        QCOMPARE(file.showSleep(), 1);
        QCOMPARE(file.minDelay(), 1);
        QCOMPARE(file.showMouseButton(), 1);
        QCOMPARE(file.french(), -1);
        int sleepMin = 0, sleepMax = 0;
        file.sleepRange(sleepMin, sleepMax);
        QCOMPARE(sleepMin, 1);
        QCOMPARE(sleepMax, 9);

        // Grouped reads leave the caller's tables untouched.
        quint8 slotTable[16];
        std::fill(std::begin(slotTable), std::end(slotTable), quint8(0xAA));
        QCOMPARE(file.buttonSlotTable(slotTable), -1);
        QCOMPARE(slotTable[15], quint8(0xAA));
        qint8 presence[16] = {};
        QCOMPARE(file.buttonPresence(presence), -1);
        quint8 sensor[7] = {9, 9, 9, 9, 9, 9, 9};
        QCOMPARE(file.factorySensorSettings(sensor), -1);
        QCOMPARE(sensor[2], quint8(9));
        FactoryProfile profile;
        QCOMPARE(file.factoryProfile(profile), -1);
    }

    void emptyFileUsesDocumentedDefaults()
    {
        TempAppDir dir(false);
        const ProductDescription file = write(dir, "");
        quint8 sensor[7] = {};
        QCOMPARE(file.factorySensorSettings(sensor), 0);
        const quint8 expected[7] = {0, 0, 20, 0, 0, 1, 0};
        for (int i = 0; i < 7; ++i)
            QCOMPARE(sensor[i], expected[i]);
        int vid1, pid1, vid2, pid2;
        file.identifiers(vid1, pid1, vid2, pid2);
        QCOMPARE(vid1, MOUSECFG_VENDOR_ID);
        QCOMPARE(pid2, MOUSECFG_CABLE_PRODUCT_ID);
    }

    void tablesAreStoredInBytes()
    {
        TempAppDir dir(false);
        const ProductDescription file =
            write(dir, "ButtonCount=7\nBUTTON_INFO_0_Matrix=14\nBUTTON_INFO_1_Matrix=258\n"
                       "BUTTON_INFO_3_Matrix2=-1\nBUTTON_INFO_4_Matrix2=255\nangle=300\n");
        quint8 slotTable[16];
        QCOMPARE(file.buttonSlotTable(slotTable), 0);
        QCOMPARE(slotTable[0], quint8(14));
        QCOMPARE(slotTable[1], quint8(2));
        QCOMPARE(slotTable[2], quint8(0));
        qint8 presence[16];
        QCOMPARE(file.buttonPresence(presence), 7);
        QCOMPARE(presence[3], qint8(-1));
        QCOMPARE(presence[4], qint8(-1));
        QCOMPARE(presence[5], qint8(0));
        quint8 sensor[7];
        file.factorySensorSettings(sensor);
        QCOMPARE(sensor[1], quint8(44));
    }

    void badValuesReadAsZeroAndDelayUnitStaysPositive()
    {
        TempAppDir dir(false);
        const ProductDescription file = write(dir, "ButtonCount=lots\nMinDelay=0\nfrench=x\n");
        QCOMPARE(file.buttonCount(), 0);
        QCOMPARE(file.french(), 0);
        QCOMPARE(file.minDelay(), 1);
        QCOMPARE(write(dir, "MinDelay=-5\n").minDelay(), 1);
        QCOMPARE(write(dir, "MinDelay=10\n").minDelay(), 10);
    }

    void factoryProfileReadsEveryField()
    {
        TempAppDir dir(false);
        const QString path = dir.path() + QStringLiteral("/DefaultProfile.bin");
        {
            QSettings file(path, QSettings::IniFormat);
            file.setValue(QStringLiteral("PROFILE/dpi"), 3);
            file.setValue(QStringLiteral("PROFILE/DPI_INFO_7_xy"), 26000);
            file.setValue(QStringLiteral("PROFILE/pollrate"), 2);
            file.setValue(QStringLiteral("PROFILE/LedMode"), 5);
            file.setValue(QStringLiteral("PROFILE/BUTTON_INFO_15_ID"), 15);
            file.setValue(QStringLiteral("PROFILE/BUTTON_INFO_15_Fun"), 33);
            file.setValue(QStringLiteral("PROFILE/BUTTON_INFO_15_LoopNumber"), 4);
            file.setValue(QStringLiteral("PROFILE/BUTTON_INFO_15_KeyNumber"), 2);
            file.setValue(QStringLiteral("PROFILE/BUTTON_INFO_15_Res4"), 200);
            file.setValue(QStringLiteral("PROFILE/LedMode/LED_MODE_13_RGB"), QColor(219, 200, 182));
            file.setValue(QStringLiteral("PROFILE/LedMode/LED_MODE_13_bright"), 4);
            file.setValue(QStringLiteral("PROFILE/LedMode/LED_MODE_13_breath"), 2);
            file.setValue(QStringLiteral("PROFILE/LedMode/LED_MODE_1_RGB"), QStringLiteral("#00ff00"));
            file.setValue(QStringLiteral("PROFILE/LedMode/LED_MODE_2_RGB"), QStringLiteral("no colour"));
        }
        FactoryProfile profile;
        QCOMPARE(ProductDescription(path).factoryProfile(profile), 0);
        QCOMPARE(profile.dpi, quint8(3));
        QCOMPARE(profile.dpiXY[7], 26000);
        QCOMPARE(profile.pollrate, 2);
        QCOMPARE(profile.ledMode, quint8(5));
        QCOMPARE(profile.buttons[15].fun, 33);
        QCOMPARE(profile.buttons[15].loopNumber, 4);
        QCOMPARE(profile.buttons[15].keyNumber, 2);
        QCOMPARE(profile.buttons[15].res[3], quint8(200));
        QCOMPARE(profile.leds[13].rgb, QColor(219, 200, 182));
        QCOMPARE(profile.leds[13].bright, 4);
        QCOMPARE(profile.leds[1].rgb, QColor(0, 255, 0));
        QVERIFY(!profile.leds[2].rgb.isValid());
        QVERIFY(!profile.leds[0].rgb.isValid());
    }

    void sampleModelMatchesItsDescription()
    {
        TempAppDir dir;
        const ProductDescription file(dir.paths().productDescriptionFile());
        QVERIFY(!file.productName().isEmpty());
        QCOMPARE(file.buttonCount(), 8);
        QCOMPARE(file.dpiStageCount(), 6);
        QCOMPARE(file.disableMacro(), 0);
        QCOMPARE(file.ledDisable(), 0);
        QCOMPARE(file.minDelay(), 1);
        FactoryProfile profile;
        QCOMPARE(file.factoryProfile(profile), 0);
        for (const FactoryProfile::Led& led : profile.leds)
            QVERIFY(led.rgb.isValid());
        qint8 presence[16];
        QCOMPARE(file.buttonPresence(presence), 8);
        QCOMPARE(int(std::count(std::begin(presence), std::end(presence), qint8(-1))), 8);
    }

    // Each button of the sample does what a user expects of a new mouse: a
    // function the mouse knows, with what it needs to act (a factory profile
    // carries no key steps and no macro name).
    void sampleFactoryButtonsDoSomething()
    {
        TempAppDir dir;
        const ProductDescription file(dir.paths().productDescriptionFile());
        FactoryProfile profile;
        QCOMPARE(file.factoryProfile(profile), 0);
        for (int n = 0; n < file.buttonCount(); ++n) {
            const int fun = profile.buttons[n].fun;
            quint8 bytes[4];
            QVERIFY2(FunctionTable::lookup(fun, bytes), qPrintable(QString::number(n)));
            QVERIFY(fun != FunctionTable::ButtonOff && fun != FunctionTable::KeyCombination);
            QVERIFY(fun != FunctionTable::Macro && fun != FunctionTable::GunMacro);
            if (fun == FunctionTable::SingleKey)
                QVERIFY(!KeyTable::name(profile.buttons[n].res[0]).isEmpty());
        }
    }

    // What a reset puts into a profile goes to the mouse unchanged.
    void sampleFactoryProfileIsWithinTheMousesRanges()
    {
        TempAppDir dir;
        ProfileSet set;
        ProfileDefaults::resetAll(set, ProductDescription(dir.paths().productDescriptionFile()));
        const QString model = AppConfig(dir.paths()).currentProductName();
        // Slot 0 is the one reset; the others stay empty records.
        for (const LimitChange& change : DeviceLimits::clamp(set, ModelDescription::read(dir.paths(), model)))
            QVERIFY2(change.profile != 0, qPrintable(change.text()));
    }
};

QTEST_GUILESS_MAIN(TestProductDescription)
#include "tst_product.moc"
