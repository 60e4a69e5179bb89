// SPDX-License-Identifier: GPL-3.0-or-later
#include "LightingFixture.h"
#include "editors/lighting/DefaultColorArea.h"
#include "editors/lighting/HColorArea.h"
#include "editors/lighting/SVColorArea.h"
#include "storage/ProfileFiles.h"
#include "support/TempAppDir.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSettings>
#include <QSignalSpy>
#include <QSpinBox>
#include <QtTest>

namespace {

template <typename T> T* part(QWidget* editor, const char* name)
{
    return editor->findChild<T*>(QLatin1String(name));
}

int spin(QWidget* editor, const char* name)
{
    return part<QSpinBox>(editor, name)->value();
}

void typeHex(QWidget* editor, const QString& text)
{
    QLineEdit* hex = part<QLineEdit>(editor, "hexField");
    hex->setFocus();
    hex->selectAll();
    QTest::keyClicks(hex, text);
    QTest::keyClick(hex, Qt::Key_Return);
}

// The pixel at a fraction of a widget's drawn area.
QColor pixelAt(const QImage& image, double x, double y)
{
    return image.pixelColor(qBound(0, int(x * image.width()), image.width() - 1),
                            qBound(0, int(y * image.height()), image.height() - 1));
}

bool near(const QColor& a, const QColor& b, int tolerance = 24)
{
    return qAbs(a.red() - b.red()) <= tolerance && qAbs(a.green() - b.green()) <= tolerance &&
           qAbs(a.blue() - b.blue()) <= tolerance;
}

} // namespace

// The colour editor, by keyboard and by mouse, and the road of a chosen
// colour from the page to the profile file.
class TestColourEditor : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void keyboardMovesTheBarAndTheSquare()
    {
        OakColorArea editor(QColor(255, 0, 0), QColor(255, 125, 0), 1.0);
        editor.show();
        HColorArea* bar = part<HColorArea>(&editor, "hueArea");
        SVColorArea* square = part<SVColorArea>(&editor, "svArea");
        for (QWidget* w : {static_cast<QWidget*>(bar), static_cast<QWidget*>(square)}) {
            QCOMPARE(w->focusPolicy(), Qt::StrongFocus);
            QVERIFY(!w->accessibleName().isEmpty());
        }
        bar->setFocus();
        QTest::keyClick(bar, Qt::Key_PageDown);
        QTest::keyClick(bar, Qt::Key_PageDown);
        QTest::keyClick(bar, Qt::Key_PageDown);
        QTest::keyClick(bar, Qt::Key_PageDown); // hue 60: yellow
        QCOMPARE(spin(&editor, "hueSpin"), 60);
        QCOMPARE(editor.color(), QColor(255, 255, 0));
        QCOMPARE(part<QLineEdit>(&editor, "hexField")->text(), QStringLiteral("FFFF00"));
        QCOMPARE(square->hue(), 60);

        square->setFocus();
        QTest::keyClick(square, Qt::Key_Down, Qt::ShiftModifier);
        QTest::keyClick(square, Qt::Key_Left);
        QCOMPARE(spin(&editor, "valueSpin"), 255 - 16);
        QCOMPARE(spin(&editor, "saturationSpin"), 254);
        QCOMPARE(spin(&editor, "redSpin"), editor.color().red());
        QCOMPARE(editor.color(), QColor::fromHsv(60, 254, 239).toRgb());

        bar->setFocus();
        QTest::keyClick(bar, Qt::Key_End);
        QCOMPARE(spin(&editor, "hueSpin"), 360);
        QCOMPARE(editor.color().red(), 239); // hue 360 is red again
        QCOMPARE(editor.color().green(), editor.color().blue());
    }

    void mouseOnTheSquareAndTheBarPicksThePoint()
    {
        OakColorArea editor(QColor(0, 0, 128), QColor(255, 125, 0), 2.0);
        editor.show();
        SVColorArea* square = part<SVColorArea>(&editor, "svArea");
        QSignalSpy picked(square, &SVColorArea::svChangedSignal);
        QTest::mouseClick(square, Qt::LeftButton, {}, QPoint(square->width() - 1, 0)); // beyond the top right
        QCOMPARE(spin(&editor, "saturationSpin"), 255);
        QCOMPARE(spin(&editor, "valueSpin"), 255);
        QTest::mouseClick(square, Qt::LeftButton, {}, QPoint(square->width() / 2, square->height() - 1));
        QCOMPARE(spin(&editor, "valueSpin"), 0);
        QCOMPARE(editor.color(), QColor(0, 0, 0));
        QCOMPARE(picked.count(), 2);
        QCOMPARE(picked.last().at(0).toInt(), 240);

        HColorArea* bar = part<HColorArea>(&editor, "hueArea");
        QSignalSpy released(bar, &HColorArea::mouseReleaseSignal);
        QTest::mouseClick(bar, Qt::LeftButton, {}, QPoint(bar->width() / 2, bar->height() / 2));
        QVERIFY(qAbs(spin(&editor, "hueSpin") - 180) <= 3);
        QCOMPARE(released.count(), 1);
        QCOMPARE(spin(&editor, "saturationSpin"), 128); // black kept the saturation picked before
    }

    void numbersUpdateEachOther()
    {
        OakColorArea editor(QColor(255, 255, 255), QColor(255, 125, 0), 1.0);
        QCOMPARE(part<QSpinBox>(&editor, "redSpin")->prefix(), QStringLiteral("R "));
        QCOMPARE(part<QSpinBox>(&editor, "greenSpin")->prefix(), QStringLiteral("G "));
        QCOMPARE(part<QSpinBox>(&editor, "blueSpin")->prefix(), QStringLiteral("B "));
        QCOMPARE(part<QSpinBox>(&editor, "hueSpin")->maximum(), 360);
        part<QSpinBox>(&editor, "greenSpin")->setValue(125);
        part<QSpinBox>(&editor, "blueSpin")->setValue(0);
        QCOMPARE(spin(&editor, "hueSpin"), 29);
        QCOMPARE(spin(&editor, "saturationSpin"), 255);
        QCOMPARE(part<QLineEdit>(&editor, "hexField")->text(), QStringLiteral("FF7D00"));
        part<QSpinBox>(&editor, "valueSpin")->setValue(0);
        QCOMPARE(spin(&editor, "redSpin"), 0);
        QCOMPARE(spin(&editor, "hueSpin"), 29);
        QCOMPARE(editor.color(), QColor(0, 0, 0));
    }

    void hexFieldKeepsTheLastGoodColour()
    {
        OakColorArea editor(QColor(1, 2, 3), QColor(255, 125, 0), 1.0);
        editor.show();
        QSignalSpy finished(&editor, &QDialog::finished);
        QLabel* note = part<QLabel>(&editor, "hexNote");
        typeHex(&editor, QStringLiteral("12G456"));
        QCOMPARE(editor.color(), QColor(1, 2, 3));
        QCOMPARE(part<QLineEdit>(&editor, "hexField")->text(), QStringLiteral("010203"));
        QVERIFY(note->text().contains(QStringLiteral("12G456")));
        QVERIFY(note->isVisible());
        QCOMPARE(finished.count(), 0); // Enter applies the digits, it does not close

        typeHex(&editor, QStringLiteral("#c0ffee"));
        QCOMPARE(editor.color(), QColor(0xC0, 0xFF, 0xEE));
        QCOMPARE(spin(&editor, "greenSpin"), 255);
        QVERIFY(note->text().isEmpty());
        QCOMPARE(finished.count(), 0);
    }

    void presetsGiveTheirColours()
    {
        OakColorArea editor(QColor(9, 9, 9), QColor(255, 125, 0), 1.0);
        editor.show();
        const QColor expected[7] = {{255, 0, 0},   {0, 255, 0},   {0, 0, 255},    {0, 255, 255},
                                    {255, 255, 0}, {255, 0, 255}, {255, 255, 255}};
        for (int i = 0; i < 7; ++i) {
            auto* preset = part<DefaultColorArea>(&editor, qPrintable(QStringLiteral("preset%1").arg(i)));
            QVERIFY(!preset->accessibleName().isEmpty());
            if (i % 2) {
                QTest::mouseClick(preset, Qt::LeftButton);
            } else {
                preset->setFocus();
                QTest::keyClick(preset, Qt::Key_Space);
            }
            QCOMPARE(editor.color(), expected[i]);
        }
    }

    void cancelLeavesTheColourAndApplyStoresIt()
    {
        LightingFixture rig;
        OakColorWindow& page = rig.open();
        rig.choose(10);
        QSignalSpy edited(&page, &EditorPage::edited);
        const QColor stored = rig.set.profiles[0].leds[10].colour;
        auto* swatch = rig.find<DefaultColorArea>("colorSwatch");

        QTest::mouseClick(swatch, Qt::LeftButton);
        QVERIFY(page.colorEditor());
        QCOMPARE(page.colorEditor()->color(), stored);
        part<DefaultColorArea>(page.colorEditor(), "preset2")->setFocus();
        QTest::keyClick(part<DefaultColorArea>(page.colorEditor(), "preset2"), Qt::Key_Space);
        QTest::keyClick(page.colorEditor(), Qt::Key_Escape);
        QTRY_VERIFY(!page.colorEditor());
        QCOMPARE(rig.set.profiles[0].leds[10].colour, stored);
        QCOMPARE(swatch->color(), stored);
        QCOMPARE(edited.count(), 0);

        swatch->setFocus();
        QTest::keyClick(swatch, Qt::Key_Return);
        QVERIFY(page.colorEditor());
        typeHex(page.colorEditor(), QStringLiteral("1E90C8"));
        part<QPushButton>(page.colorEditor(), "applyButton")->click();
        QTRY_VERIFY(!page.colorEditor());
        QCOMPARE(rig.set.profiles[0].leds[10].colour, QColor(0x1E, 0x90, 0xC8));
        QCOMPARE(swatch->color(), QColor(0x1E, 0x90, 0xC8));
        QCOMPARE(rig.set.profiles[0].leds[9].colour, QColor(9, 109, 191));
        QCOMPARE(edited.count(), 1);
    }

    void chosenColourSurvivesSaveAndLoad()
    {
        LightingFixture rig;
        OakColorWindow& page = rig.open();
        rig.choose(3);
        page.color_clicked();
        typeHex(page.colorEditor(), QStringLiteral("80FF01"));
        part<QPushButton>(page.colorEditor(), "applyButton")->click();

        TempAppDir dir;
        const QString path = dir.path() + QStringLiteral("/chosen.prof");
        QVERIFY(ProfileFiles::saveProfile(rig.set.profiles[0], path).isOk());
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        // Type 67, colour kind 1 (RGB), alpha, red, green, blue as 16 bits, pad: the
        // form every Qt version reads.
        QVERIFY(file.readAll().contains(QByteArrayLiteral(
            "LED_MODE_3_RGB=@Variant(\\0\\0\\0\\x43\\x1\\xff\\xff\\x80\\x80\\xff\\xff\\x1\\x1\\0\\0)")));
        QCOMPARE(QSettings(path, QSettings::IniFormat)
                     .value(QStringLiteral("PROFILE/LedMode/LED_MODE_3_RGB"))
                     .value<QColor>(),
                 QColor(0x80, 0xFF, 0x01));
        ProfileData loaded;
        ProfileFiles::loadProfile(loaded, path);
        QCOMPARE(loaded.leds[3].colour, QColor(0x80, 0xFF, 0x01));
        QCOMPARE(loaded.leds[3], rig.set.profiles[0].leds[3]);
    }

    void paintsAtEveryScale_data()
    {
        QTest::addColumn<double>("scale");
        QTest::newRow("1.0") << 1.0;
        QTest::newRow("2.0") << 2.0;
    }

    void paintsAtEveryScale()
    {
        QFETCH(double, scale);
        OakColorArea editor(QColor(0, 0, 255), QColor(255, 125, 0), scale);
        editor.setStyleSheet(LightingFixture::windowStyle(scale));
        QCOMPARE(editor.width(), int(472 * scale));
        editor.show();
        SVColorArea* square = part<SVColorArea>(&editor, "svArea");
        // Away from the marker: top left white, bottom black, top right the pure hue.
        const QImage drawn = square->grab().toImage();
        QVERIFY(near(pixelAt(drawn, 0.1, 0.1), QColor(255, 255, 255), 40));
        QVERIFY(near(pixelAt(drawn, 0.5, 0.95), QColor(0, 0, 0)));
        QVERIFY(near(pixelAt(drawn, 0.9, 0.1), QColor(0, 0, 255), 40));
        const QImage bar = part<HColorArea>(&editor, "hueArea")->grab().toImage();
        QVERIFY(near(pixelAt(bar, 0.5, 1.0 / 3), QColor(0, 255, 0), 40));
        QVERIFY(near(pixelAt(bar, 0.5, 0.5), QColor(0, 255, 255), 40));
        // Nothing overlaps and nothing leaves the editor.
        QList<QWidget*> parts;
        for (QWidget* w : editor.findChildren<QWidget*>())
            if (w->isVisible() && w->parentWidget() == &editor)
                parts << w;
        for (int i = 0; i < parts.size(); ++i) {
            QVERIFY2(editor.rect().contains(parts[i]->geometry()), qPrintable(parts[i]->objectName()));
            for (int j = i + 1; j < parts.size(); ++j)
                QVERIFY2(!parts[i]->geometry().intersects(parts[j]->geometry()),
                         qPrintable(parts[i]->objectName() + QLatin1Char('/') + parts[j]->objectName()));
        }
        const QString shots = qEnvironmentVariable("LIGHTING_SHOTS");
        if (!shots.isEmpty())
            editor.grab().save(QStringLiteral("%1/editor-%2.png").arg(shots).arg(scale));
    }
};

int runColourEditorTests(int argc, char** argv)
{
    TestColourEditor test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_coloureditor.moc"
