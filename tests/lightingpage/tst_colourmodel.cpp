// SPDX-License-Identifier: GPL-3.0-or-later
#include "protocol/ColourModel.h"

#include <QtTest>

// The colour the editor edits: every form in step, and nothing lost where a
// colour leaves hue or saturation undefined.
class TestColourModel : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void hsvAndRgbStayInStep()
    {
        ColourModel colour;
        colour.setHsv(120, 255, 255);
        QCOMPARE(colour.colour(), QColor(0, 255, 0));
        QCOMPARE(colour.hexText(), QStringLiteral("00FF00"));
        colour.setRgb(255, 125, 0);
        QCOMPARE(colour.hue(), 29);
        QCOMPARE(colour.saturation(), 255);
        QCOMPARE(colour.value(), 255);
        QCOMPARE(colour.hexText(), QStringLiteral("FF7D00"));
        colour.setRgb(10, 11, 12); // two digits with a leading zero each
        QCOMPARE(colour.hexText(), QStringLiteral("0A0B0C"));
        colour.setRgb(-5, 300, 128);
        QCOMPARE(colour.colour(), QColor(0, 255, 128));
    }

    void hueAtTheEndOfTheBarIsRed()
    {
        ColourModel colour;
        colour.setHsv(360, 255, 255);
        QVERIFY(colour.colour().isValid());
        QCOMPARE(colour.colour(), QColor(255, 0, 0));
        QCOMPARE(colour.hue(), 360);
        colour.setRgb(255, 0, 0); // the same red keeps the bar where it is
        QCOMPARE(colour.hue(), 360);
        colour.setHsv(400, 300, -1);
        QCOMPARE(colour.hue(), 360);
        QCOMPARE(colour.saturation(), 255);
        QCOMPARE(colour.value(), 0);
    }

    void greyAndBlackKeepTheChosenHueAndSaturation()
    {
        ColourModel colour;
        colour.setHsv(200, 180, 90);
        colour.setRgb(128, 128, 128);
        QCOMPARE(colour.hue(), 200);
        QCOMPARE(colour.saturation(), 0);
        QCOMPARE(colour.value(), 128);
        colour.setHsv(200, 180, 90);
        colour.setRgb(0, 0, 0);
        QCOMPARE(colour.hue(), 200);
        QCOMPARE(colour.saturation(), 180);
        QCOMPARE(colour.value(), 0);
        QCOMPARE(colour.colour(), QColor(0, 0, 0));
    }

    void hexTextIsAcceptedOnlyAsSixDigits()
    {
        ColourModel colour;
        QVERIFY(colour.setHexText(QStringLiteral("  #1e90c8 ")));
        QCOMPARE(colour.colour(), QColor(0x1E, 0x90, 0xC8));
        const ColourModel good = colour;
        for (const char* bad :
             {"", "#", "12345", "1234567", "GG0000", "12 345", "0x1234", "-12345", "+12345"}) {
            QVERIFY2(!colour.setHexText(QLatin1String(bad)), bad);
            QVERIFY2(colour == good, bad);
        }
    }
};

int runColourModelTests(int argc, char** argv)
{
    TestColourModel test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_colourmodel.moc"
