// SPDX-License-Identifier: GPL-3.0-or-later
#include "PageRig.h"
#include "editors/dpi/OakDPIWindow.h"
#include "editors/dpi/OakSingleDPI.h"

#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QRadioButton>
#include <QSignalSpy>
#include <QSlider>
#include <QtTest>

namespace {

OakSingleDPI* row(OakDPIWindow& page, int i)
{
    return page.findChild<OakSingleDPI*>(QStringLiteral("dpiRow%1").arg(i));
}

template <typename T> T* part(OakDPIWindow& page, int i, const char* name)
{
    return row(page, i)->findChild<T*>(QLatin1String(name));
}

QString label(OakDPIWindow& page, int i, const char* name)
{
    return part<QLabel>(page, i, name)->text();
}

void setStage(ProfileData& record, int i, int x, int y, int link)
{
    record.stages[i].x = quint32(x);
    record.stages[i].y = quint32(y);
    record.stages[i].link = quint8(link);
    record.stages[i].used = 1;
}

} // namespace

class TestDpiPage : public QObject
{
    Q_OBJECT

private slots:
    void levelsShowTheSensorsDpi_data();
    void levelsShowTheSensorsDpi();
    void sliderLimitsFollowTheSensor_data();
    void sliderLimitsFollowTheSensor();
    void keyboardMovesAStageByOneLevel();
    void secondAxisStaysInTheFirstAxisRange();
    void linkedBarStepsAcrossARangeEdge();
    void storedStraddlingStageShowsWhatIsSent();
    void stageCountHidesRowsAndKeepsTheirValues();
    void activeStage();
    void linkAndEnableBoxes();
    void tabReachesEveryControl();
};

void TestDpiPage::levelsShowTheSensorsDpi_data()
{
    QTest::addColumn<int>("sensor");
    QTest::addColumn<int>("level");
    QTest::addColumn<int>("dpi");
    QTest::newRow("3360 120") << 3360 << 120 << 12000;
    QTest::newRow("3360 121") << 3360 << 121 << 12200;
    QTest::newRow("3360 180") << 3360 << 180 << 24000;
    QTest::newRow("3104 14 shows 500") << 3104 << 14 << 500;
    QTest::newRow("31042 107") << 31042 << 107 << 4320;
    QTest::newRow("3212 21 shows 800") << 3212 << 21 << 800;
    QTest::newRow("3212 64") << 3212 << 64 << 2430;
    QTest::newRow("3212 111 shows 7200") << 3212 << 111 << 7200;
    QTest::newRow("3327 105") << 3327 << 105 << 16200;
    QTest::newRow("3327 106") << 3327 << 106 << 16400;
    QTest::newRow("unknown sensor") << 4242 << 50 << 0;
}

// Linked and unlinked, every label says the DPI of the level.
void TestDpiPage::levelsShowTheSensorsDpi()
{
    QFETCH(int, sensor);
    QFETCH(int, level);
    QFETCH(int, dpi);
    PageRig rig(sensor);
    auto page = rig.make<OakDPIWindow>();
    setStage(rig.record(), 0, level, level, 1);
    setStage(rig.record(), 1, level, level, 0);
    page->refresh(rig.record(), rig.set);
    for (int i : {0, 1}) {
        QCOMPARE(label(*page, i, "dpiLabel"), QStringLiteral("DPI : %1").arg(dpi));
        QCOMPARE(label(*page, i, "xLabel"), QStringLiteral("X:%1").arg(dpi));
        QCOMPARE(label(*page, i, "yLabel"), QStringLiteral("Y:%1").arg(dpi));
        QVERIFY(row(*page, i)->toolTip().contains(QString::number(dpi)));
    }
}

void TestDpiPage::sliderLimitsFollowTheSensor_data()
{
    QTest::addColumn<int>("sensor");
    QTest::addColumn<bool>("extended");
    QTest::addColumn<QString>("modelName");
    QTest::addColumn<int>("limitFlag");
    QTest::addColumn<int>("maxLevel");
    QTest::addColumn<QString>("maxLabel");
    QTest::addColumn<bool>("linkShown");
    QTest::newRow("3325") << 3325 << false << QString() << 0 << 50 << "5000" << false;
    QTest::newRow("3325 with 33254") << 3325 << true << QString() << 0 << 90 << "16000" << false;
    QTest::newRow("3327") << 3327 << false << "Wren W8" << 0 << 106 << "16400" << false;
    QTest::newRow("3327 CASCADE") << 3327 << false << "CASCADE" << 0 << 92 << "12400" << false;
    QTest::newRow("3327 cascade") << 3327 << false << "cascade" << 0 << 106 << "16400" << false;
    QTest::newRow("3389") << 3389 << false << QString() << 0 << 480 << "32000" << true;
    QTest::newRow("3395 limit flag 8") << 3395 << false << QString() << 8 << 399 << "20000" << false;
}

void TestDpiPage::sliderLimitsFollowTheSensor()
{
    QFETCH(int, sensor);
    QFETCH(bool, extended);
    QFETCH(QString, modelName);
    QFETCH(int, limitFlag);
    QFETCH(int, maxLevel);
    QFETCH(QString, maxLabel);
    QFETCH(bool, linkShown);
    PageRig rig(sensor);
    rig.model.extendedDpiRange = extended;
    rig.model.modelName = modelName;
    rig.model.sensorLimitFlag = limitFlag;
    auto page = rig.make<OakDPIWindow>();
    setStage(rig.record(), 2, 1000, 1000, 1);
    page->refresh(rig.record(), rig.set);
    page->show();
    auto* bar = part<QSlider>(*page, 2, "linkedBar");
    QCOMPARE(bar->maximum(), maxLevel);
    QCOMPARE(label(*page, 2, "maxLabel"), maxLabel);
    QCOMPARE(part<QCheckBox>(*page, 2, "linkBox")->isVisible(), linkShown);
    // A stored level past the end shows the highest DPI, as it will be sent.
    QCOMPARE(label(*page, 2, "dpiLabel"), QStringLiteral("DPI : ") + maxLabel);
}

void TestDpiPage::keyboardMovesAStageByOneLevel()
{
    PageRig rig(3389);
    auto page = rig.make<OakDPIWindow>();
    setStage(rig.record(), 0, 100, 100, 1);
    setStage(rig.record(), 1, 100, 200, 0);
    page->refresh(rig.record(), rig.set);
    QSignalSpy edited(page.get(), &EditorPage::edited);

    QTest::keyClick(part<QSlider>(*page, 0, "linkedBar"), Qt::Key_Right);
    QCOMPARE(int(rig.record().stages[0].x), 101);
    QCOMPARE(int(rig.record().stages[0].y), 101);
    QCOMPARE(label(*page, 0, "dpiLabel"), QStringLiteral("DPI : 5050"));

    QTest::keyClick(part<QSlider>(*page, 1, "yBar"), Qt::Key_Left);
    QCOMPARE(int(rig.record().stages[1].x), 100);
    QCOMPARE(int(rig.record().stages[1].y), 199);
    QCOMPARE(label(*page, 1, "xLabel"), QStringLiteral("X:5000"));
    QCOMPARE(label(*page, 1, "yLabel"), QStringLiteral("Y:9950"));
    QCOMPARE(edited.count(), 2);
}

// Sensor 3389 sends one range code per stage, the X axis's: range 0 up to
// level 320 (50 DPI a level), range 1 above (100 DPI a level).
void TestDpiPage::secondAxisStaysInTheFirstAxisRange()
{
    PageRig rig(3389);
    auto page = rig.make<OakDPIWindow>();
    setStage(rig.record(), 0, 100, 100, 0);
    page->refresh(rig.record(), rig.set);
    auto* yBar = part<QSlider>(*page, 0, "yBar");
    auto* xBar = part<QSlider>(*page, 0, "xBar");

    QTest::keyClick(yBar, Qt::Key_End);
    QCOMPARE(int(rig.record().stages[0].y), 320);
    QCOMPARE(label(*page, 0, "yLabel"), QStringLiteral("Y:16000"));

    xBar->setValue(400); // X into range 1: Y follows to its lowest level
    QCOMPARE(int(rig.record().stages[0].x), 400);
    QCOMPARE(int(rig.record().stages[0].y), 321);
    QCOMPARE(label(*page, 0, "yLabel"), QStringLiteral("Y:16100"));

    QTest::keyClick(yBar, Qt::Key_Home);
    QCOMPARE(int(rig.record().stages[0].y), 321);
    QTest::keyClick(yBar, Qt::Key_End);
    QCOMPARE(int(rig.record().stages[0].y), 480);
}

// Sensor 33952 changes range one level later on the second axis (above 520)
// than on the first (above 519): linked at 520, Y is held at 521, and the
// single bar still steps back down.
void TestDpiPage::linkedBarStepsAcrossARangeEdge()
{
    PageRig rig(33952);
    auto page = rig.make<OakDPIWindow>();
    setStage(rig.record(), 0, 519, 519, 1);
    page->refresh(rig.record(), rig.set);
    auto* bar = part<QSlider>(*page, 0, "linkedBar");
    QTest::keyClick(bar, Qt::Key_Right);
    QCOMPARE(int(rig.record().stages[0].x), 520);
    QCOMPARE(int(rig.record().stages[0].y), 521);
    QTest::keyClick(bar, Qt::Key_Left);
    QCOMPARE(int(rig.record().stages[0].x), 519);
    QCOMPARE(int(rig.record().stages[0].y), 519);
}

void TestDpiPage::storedStraddlingStageShowsWhatIsSent()
{
    PageRig rig(3389);
    auto page = rig.make<OakDPIWindow>();
    setStage(rig.record(), 0, 100, 400, 0); // X 5000, Y 24000 as stored
    const ProfileData stored = rig.record();
    page->refresh(rig.record(), rig.set);
    QCOMPARE(label(*page, 0, "xLabel"), QStringLiteral("X:5000"));
    QCOMPARE(label(*page, 0, "yLabel"), QStringLiteral("Y:16000"));
    QVERIFY(rig.record() == stored); // showing changes nothing
}

void TestDpiPage::stageCountHidesRowsAndKeepsTheirValues()
{
    PageRig rig(3389, 4);
    auto page = rig.make<OakDPIWindow>();
    for (int i = 0; i < 8; ++i)
        setStage(rig.record(), i, 10 + i, 10 + i, 1);
    page->refresh(rig.record(), rig.set);
    page->show();
    for (int i = 0; i < 8; ++i)
        QCOMPARE(row(*page, i)->isVisible(), i < 4);
    QTest::keyClick(part<QSlider>(*page, 3, "linkedBar"), Qt::Key_Right);
    page->collect(rig.set);
    for (int i = 4; i < 8; ++i)
        QCOMPARE(int(rig.record().stages[i].x), 10 + i);
    QCOMPARE(int(rig.record().stages[3].x), 14);
    // Every shown row lies inside the page, eight rows too.
    rig.model.dpiStageCount = 8;
    page->reinitialise();
    for (int i = 0; i < 8; ++i)
        QVERIFY(page->rect().contains(row(*page, i)->geometry()));
}

void TestDpiPage::activeStage()
{
    PageRig rig(3389, 4);
    auto page = rig.make<OakDPIWindow>();
    rig.record().dpi = 1;
    page->refresh(rig.record(), rig.set);
    QVERIFY(part<QRadioButton>(*page, 1, "activeRadio")->isChecked());
    QSignalSpy edited(page.get(), &EditorPage::edited);

    QTest::mouseClick(part<QRadioButton>(*page, 2, "activeRadio"), Qt::LeftButton);
    QCOMPARE(int(rig.record().dpi), 2);
    QCOMPARE(edited.count(), 1);
    QVERIFY(!part<QRadioButton>(*page, 1, "activeRadio")->isChecked());

    // The mouse reports another stage: shown and stored, not a user's edit.
    page->showActiveStage(3);
    QCOMPARE(int(rig.record().dpi), 3);
    QVERIFY(part<QRadioButton>(*page, 3, "activeRadio")->isChecked());
    QCOMPARE(edited.count(), 1);

    // A stored stage past the model's count is sent as the last one.
    rig.record().dpi = 7;
    page->refresh(rig.record(), rig.set);
    QVERIFY(part<QRadioButton>(*page, 3, "activeRadio")->isChecked());
    QCOMPARE(int(rig.record().dpi), 7);
}

void TestDpiPage::linkAndEnableBoxes()
{
    PageRig rig(3389);
    auto page = rig.make<OakDPIWindow>();
    setStage(rig.record(), 0, 100, 100, 1);
    page->refresh(rig.record(), rig.set);
    page->show();
    auto* link = part<QCheckBox>(*page, 0, "linkBox");
    QVERIFY(part<QSlider>(*page, 0, "linkedBar")->isVisible());

    QTest::mouseClick(link, Qt::LeftButton, {}, QPoint(5, link->height() / 2));
    QCOMPARE(int(rig.record().stages[0].link), 0);
    QVERIFY(!part<QSlider>(*page, 0, "linkedBar")->isVisible());
    QVERIFY(part<QSlider>(*page, 0, "xBar")->isVisible());
    QVERIFY(part<QSlider>(*page, 0, "yBar")->isVisible());

    auto* enable = part<QAbstractButton>(*page, 0, "enableBox");
    QVERIFY(enable->isChecked());
    QTest::keyClick(enable, Qt::Key_Space);
    QCOMPARE(int(rig.record().stages[0].used), 0);
    QVERIFY(!enable->accessibleName().isEmpty());
}

void TestDpiPage::tabReachesEveryControl()
{
    PageRig rig(3389, 3);
    auto page = rig.make<OakDPIWindow>();
    setStage(rig.record(), 0, 100, 100, 1);
    setStage(rig.record(), 1, 100, 100, 0);
    setStage(rig.record(), 2, 100, 100, 1);
    page->refresh(rig.record(), rig.set);
    page->show();
    QApplication::setActiveWindow(page.get());
    QVERIFY(QTest::qWaitForWindowActive(page.get()));
    part<QRadioButton>(*page, 0, "activeRadio")->setFocus();
    QSet<QWidget*> reached;
    for (int i = 0; i < 40; ++i) {
        reached.insert(QApplication::focusWidget());
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    }
    for (int i = 0; i < 3; ++i) {
        for (const char* name : {"enableBox", "linkBox"})
            QVERIFY2(reached.contains(part<QWidget>(*page, i, name)), name);
        const QStringList bars = i == 1 ? QStringList{"xBar", "yBar"} : QStringList{"linkedBar"};
        for (const QString& bar : bars)
            QVERIFY2(reached.contains(part<QSlider>(*page, i, qPrintable(bar))), qPrintable(bar));
    }
    QVERIFY(reached.contains(part<QRadioButton>(*page, 0, "activeRadio")));
    QVERIFY(!reached.contains(part<QSlider>(*page, 0, "xBar"))); // hidden while linked
}

int runDpiPageTests(int argc, char** argv)
{
    TestDpiPage test;
    return QTest::qExec(&test, argc, argv);
}

#include "DpiPageTest.moc"
