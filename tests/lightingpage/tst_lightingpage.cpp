// SPDX-License-Identifier: GPL-3.0-or-later
#include "LightingFixture.h"

#include <QAction>
#include <QCheckBox>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QSignalSpy>
#include <QtTest>

// The lighting page on its own: what each effect shows, where its values
// are kept, and what the page leaves alone.
class TestLightingPage : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void menuListsTheOfferedEffectsWithOffLast()
    {
        LightingFixture rig;
        rig.open();
        const QList<QAction*> entries = rig.find<QMenu>("effectMenu")->actions();
        QCOMPARE(entries.size(), 12);
        QCOMPARE(entries.first()->text(), QStringLiteral("FULL LIGHTED"));
        QCOMPARE(entries.at(9)->text(), QStringLiteral("REACTIVE"));
        QCOMPARE(entries.last()->text(), QStringLiteral("OFF"));
        for (int effect : {12, 13})
            QVERIFY(!entries.contains(rig.find<QAction>(qPrintable(QStringLiteral("effect%1").arg(effect)))));
        QPushButton* button = rig.find<QPushButton>("effectButton");
        QCOMPARE(button->text(), QStringLiteral("7 COLOR"));
        button->setFocus();
        QTest::keyClick(button, Qt::Key_Space);
        QTRY_VERIFY(rig.find<QMenu>("effectMenu")->isVisible());
        rig.find<QMenu>("effectMenu")->close();
    }

    void eachEffectShowsItsControls()
    {
        LightingFixture rig;
        rig.open();
        rig.choose(0);
        for (const char* name : {"brightnessSlider", "brightnessCaption", "speedSlider", "speedCaption",
                                 "colorSwatch", "colorCaption"})
            QVERIFY2(!rig.shows(name), name);
        QCOMPARE(rig.find<QPushButton>("effectButton")->text(), QStringLiteral("OFF"));
        QCOMPARE(int(rig.set.profiles[0].LedMode), 0);

        rig.choose(10); // REACTIVE
        for (const char* name : {"brightnessSlider", "speedSlider", "colorSwatch", "colorCaption"})
            QVERIFY2(rig.shows(name), name);

        rig.choose(4); // 7 COLOR BREATHING: speed only
        QVERIFY(!rig.shows("brightnessSlider"));
        QVERIFY(rig.shows("speedSlider"));
        QVERIFY(!rig.shows("colorSwatch"));
    }

    void breathingMovesTheSpeedRowUp()
    {
        LightingFixture rig;
        rig.open();
        rig.choose(5); // RAINBOW: the normal order
        const int brightnessRow = rig.slider("brightnessSlider")->y();
        const int speedRow = rig.slider("speedSlider")->y();
        QVERIFY(speedRow > brightnessRow);

        rig.choose(3); // BREATHING
        QVERIFY(!rig.shows("brightnessSlider"));
        QVERIFY(rig.shows("speedSlider") && rig.shows("colorSwatch") && rig.shows("colorCaption"));
        QCOMPARE(rig.slider("speedSlider")->y(), brightnessRow);
        QCOMPARE(rig.find<QLabel>("speedCaption")->y(), rig.slider("speedSlider")->y());

        rig.choose(1); // FULL LIGHTED: brightness back on top, the swatch without its caption
        QVERIFY(rig.shows("brightnessSlider"));
        QCOMPARE(rig.slider("brightnessSlider")->y(), brightnessRow);
        QVERIFY(!rig.shows("speedSlider"));
        QVERIFY(rig.shows("colorSwatch"));
        QVERIFY(!rig.shows("colorCaption"));

        rig.choose(5);
        QCOMPARE(rig.slider("speedSlider")->y(), speedRow);
    }

    void everyEffectKeepsItsOwnValues()
    {
        LightingFixture rig;
        rig.open();
        ProfileData& profile = rig.set.profiles[0];
        const LedSetting wave = profile.leds[6];
        rig.choose(5); // RAINBOW
        QSlider* brightness = rig.slider("brightnessSlider");
        brightness->setFocus();
        QTest::keyClick(brightness, Qt::Key_End);
        QCOMPARE(int(profile.leds[5].bright), 3);

        rig.choose(6); // WAVE shows its own
        QCOMPARE(brightness->value(), int(wave.bright));
        QCOMPARE(rig.slider("speedSlider")->value(), int(wave.breath));
        QCOMPARE(profile.leds[6], wave);

        rig.choose(5);
        QCOMPARE(brightness->value(), 3);

        // The speed goes to the shown effect's entry, and the swatch follows
        // the effect.
        rig.choose(10);
        QSlider* speed = rig.slider("speedSlider");
        speed->setValue(5);
        QCOMPARE(int(profile.leds[10].breath), 5);
        QCOMPARE(profile.leds[5].breath, quint32(1 + 5 % 5));
        QCOMPARE(rig.find<DefaultColorArea>("colorSwatch")->color(), profile.leds[10].colour);
    }

    void userChangesAreReportedAndRefreshWritesNothing()
    {
        LightingFixture rig;
        OakColorWindow& page = rig.open();
        QSignalSpy edited(&page, &EditorPage::edited);
        const ProfileSet before = rig.set;
        page.refresh(rig.set.profiles[1], rig.set);
        page.refresh(rig.set.profiles[0], rig.set);
        QCOMPARE(edited.count(), 0);
        QVERIFY(rig.set == before);

        rig.slider("speedSlider")->setValue(4);
        QCOMPARE(edited.count(), 1);
        rig.choose(1);
        QCOMPARE(edited.count(), 2);
    }

    void damagedValuesShowSafelyAndStayStored()
    {
        LightingFixture rig;
        ProfileData& profile = rig.set.profiles[0];
        profile.LedMode = 13; // a slot that is never offered
        profile.leds[13].bright = 0;
        profile.leds[13].breath = 200;
        profile.LedSleepTime = 200;
        const ProfileSet before = rig.set;
        rig.open();
        QVERIFY(!rig.shows("brightnessSlider") && !rig.shows("speedSlider") && !rig.shows("colorSwatch"));
        QVERIFY(!rig.find<QPushButton>("effectButton")->text().isEmpty());
        QCOMPARE(rig.slider("sleepSlider")->value(), 9);
        QVERIFY(rig.set == before);
    }

    void moveToLightOffStoresZeroWhenChecked()
    {
        LightingFixture rig;
        rig.open();
        QCheckBox* box = rig.find<QCheckBox>("moveLightOffBox");
        QCOMPARE(box->text(), QStringLiteral("MOVE TO LIGHT OFF"));
        QVERIFY(!box->isChecked());
        box->setFocus();
        QTest::keyClick(box, Qt::Key_Space);
        QCOMPARE(int(rig.set.profiles[0].LedMoveOFF), 0);
        QTest::keyClick(box, Qt::Key_Space);
        QCOMPARE(int(rig.set.profiles[0].LedMoveOFF), 255);

        rig.set.profiles[1].LedMoveOFF = 0;
        rig.page->refresh(rig.set.profiles[1], rig.set);
        QVERIFY(box->isChecked());
    }

    void sleepSliderFollowsTheModelsRange()
    {
        LightingFixture rig;
        rig.model.sleepMin = 4;
        rig.model.sleepMax = 4;
        rig.set.profiles[0].LedSleepTime = 4;
        rig.open();
        QSlider* sleep = rig.slider("sleepSlider");
        QCOMPARE(sleep->minimum(), 4);
        QCOMPARE(sleep->maximum(), 4);
        sleep->setFocus();
        QTest::keyClick(sleep, Qt::Key_Right);
        QTest::keyClick(sleep, Qt::Key_Left);
        QCOMPARE(int(rig.set.profiles[0].LedSleepTime), 4);
        QCOMPARE(rig.find<QLabel>("sleepLabel")->text(), QStringLiteral("4 MINUTE"));

        LightingFixture wide;
        wide.open();
        wide.slider("sleepSlider")->setFocus();
        QTest::keyClick(wide.slider("sleepSlider"), Qt::Key_Right);
        QCOMPARE(int(wide.set.profiles[0].LedSleepTime), 4);
        QCOMPARE(wide.find<QLabel>("sleepLabel")->text(), QStringLiteral("4 MINUTE"));
    }

    void hiddenSleepControlsLeaveTheStoredValues()
    {
        LightingFixture rig;
        rig.model.sleepShown = false;
        rig.set.profiles[0].LedSleepTime = 42; // outside the slider's range
        rig.set.profiles[0].LedMoveOFF = 0;
        rig.open();
        for (const char* name : {"sleepCaption", "sleepSlider", "sleepLabel", "moveLightOffBox"})
            QVERIFY2(!rig.shows(name), name);
        rig.choose(5);
        rig.slider("brightnessSlider")->setValue(2);
        rig.page->refresh(rig.set.profiles[0], rig.set);
        QCOMPARE(int(rig.set.profiles[0].LedSleepTime), 42);
        QCOMPARE(int(rig.set.profiles[0].LedMoveOFF), 0);
    }

    void sharedLightingModelEditsTheFirstProfile()
    {
        LightingFixture rig(1.0, QStringLiteral("4750"));
        rig.set.profiles[0].LedMode = 5;
        const LedSetting third = rig.set.profiles[2].leds[10];
        rig.open(2); // the third profile is current, and the page is handed it
        QCOMPARE(rig.find<QPushButton>("effectButton")->text(), QStringLiteral("RAINBOW"));
        QCOMPARE(rig.find<QLabel>("sleepLabel")->text(), QStringLiteral("3 MINUTE"));
        rig.choose(10);
        QCOMPARE(int(rig.set.profiles[0].LedMode), 10);
        QCOMPARE(int(rig.set.profiles[2].LedMode), 2);
        rig.slider("speedSlider")->setValue(5);
        QCOMPARE(int(rig.set.profiles[0].leds[10].breath), 5);
        QCOMPARE(rig.set.profiles[2].leds[10], third);

        for (int slot = 1; slot < ProfileSet::kProfiles; ++slot) {
            rig.set.ProfileID = quint8(slot);
            rig.page->refresh(rig.set.current(), rig.set);
            QCOMPARE(rig.find<QPushButton>("effectButton")->text(), QStringLiteral("REACTIVE"));
            QCOMPARE(rig.slider("speedSlider")->value(), 5);
        }

        // Any other model edits the profile it is handed.
        LightingFixture other;
        other.open(2);
        other.choose(10);
        QCOMPARE(int(other.set.profiles[2].LedMode), 10);
        QCOMPARE(int(other.set.profiles[0].LedMode), 2);
    }

    void pageFitsAtEveryScale_data()
    {
        QTest::addColumn<double>("scale");
        QTest::newRow("1.0") << 1.0;
        QTest::newRow("2.0") << 2.0;
    }

    // For the effects with the most and the fewest controls: nothing
    // overlaps, nothing leaves the page, and the slider rows line up with
    // their captions.
    void pageFitsAtEveryScale()
    {
        QFETCH(double, scale);
        LightingFixture rig(scale);
        OakColorWindow& page = rig.open();
        for (int effect : {10, 3, 1, 0}) {
            rig.choose(effect);
            QList<QWidget*> shown;
            for (QWidget* w : page.findChildren<QWidget*>())
                if (w->parentWidget() == &page && w->isVisible())
                    shown << w;
            QVERIFY(shown.size() >= 6);
            for (int i = 0; i < shown.size(); ++i) {
                QVERIFY2(page.rect().contains(shown[i]->geometry()), qPrintable(shown[i]->objectName()));
                for (int j = i + 1; j < shown.size(); ++j)
                    QVERIFY2(!shown[i]->geometry().intersects(shown[j]->geometry()),
                             qPrintable(shown[i]->objectName() + QLatin1Char('/') + shown[j]->objectName()));
            }
            const QString shots = qEnvironmentVariable("LIGHTING_SHOTS");
            if (!shots.isEmpty())
                rig.host.grab().save(QStringLiteral("%1/page-%2-%3.png").arg(shots).arg(effect).arg(scale));
        }
    }
};

int runLightingPageTests(int argc, char** argv)
{
    TestLightingPage test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_lightingpage.moc"
