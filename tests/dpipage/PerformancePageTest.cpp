// SPDX-License-Identifier: GPL-3.0-or-later
#include "PageRig.h"
#include "editors/performance/OakPointSpeed.h"
#include "editors/performance/OakReportRate.h"

#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QSlider>
#include <QSpinBox>
#include <QtTest>

namespace {

template <typename T> T* part(QWidget& page, const char* name)
{
    T* found = page.findChild<T*>(QLatin1String(name));
    if (!found)
        qFatal("no %s", name);
    return found;
}

QAction* rateAction(OakReportRate& page, const QString& text)
{
    for (QAction* action : part<QMenu>(page, "rateMenu")->actions())
        if (action->text() == text)
            return action;
    qFatal("no rate %s", qPrintable(text));
    return nullptr;
}

} // namespace

class TestPerformancePages : public QObject
{
    Q_OBJECT

private slots:
    void rateMenuAndCaption();
    void liftOutsideOneAndTwoShowsTwoMillimetres();
    void keyResponseAndScrollSpeedStayInBounds();
    void onOffPairsShowAndStoreTheirValues_data();
    void onOffPairsShowAndStoreTheirValues();
    void liftIsOfferedOnExactlyOnePage();
    void mouseSettingOpensTheDesktopsPanel();
};

void TestPerformancePages::rateMenuAndCaption()
{
    PageRig rig;
    auto page = rig.make<OakReportRate>();
    auto* button = part<QPushButton>(*page, "rateButton");
    rig.record().pollrate = 2;
    page->refresh(rig.record(), rig.set);
    QCOMPARE(button->text(), QStringLiteral("500 HZ"));

    // A code without a menu entry keeps the caption shown before.
    rig.set.profiles[1].pollrate = 3;
    page->refresh(rig.set.profiles[1], rig.set);
    QCOMPARE(button->text(), QStringLiteral("500 HZ"));
    QCOMPARE(int(rig.set.profiles[1].pollrate), 3);

    QSignalSpy edited(page.get(), &EditorPage::edited);
    rateAction(*page, QStringLiteral("250 HZ"))->trigger();
    QCOMPARE(int(rig.set.profiles[1].pollrate), 4);
    QCOMPARE(button->text(), QStringLiteral("250 HZ"));
    rateAction(*page, QStringLiteral("125 HZ"))->trigger();
    QCOMPARE(int(rig.set.profiles[1].pollrate), 8);
    QCOMPARE(edited.count(), 2);
}

void TestPerformancePages::liftOutsideOneAndTwoShowsTwoMillimetres()
{
    PageRig rig;
    auto page = rig.make<OakReportRate>();
    auto* one = part<QRadioButton>(*page, "lift1");
    auto* two = part<QRadioButton>(*page, "lift2");
    for (int stored : {0, 5, 2}) {
        rig.set.LiftHigh = quint8(stored);
        page->refresh(rig.record(), rig.set);
        QVERIFY(two->isChecked());
        QVERIFY(!one->isChecked());
    }
    rig.set.LiftHigh = 0;
    page->refresh(rig.record(), rig.set);
    page->collect(rig.set);
    QCOMPARE(int(rig.set.LiftHigh), 2); // sent as shown

    QSignalSpy edited(page.get(), &EditorPage::edited);
    QTest::mouseClick(one, Qt::LeftButton, {}, QPoint(5, one->height() / 2));
    QCOMPARE(edited.count(), 1);
    QCOMPARE(int(rig.set.LiftHigh), 1);
}

void TestPerformancePages::keyResponseAndScrollSpeedStayInBounds()
{
    PageRig rig;
    rig.model.syncMode = 3; // the key response reaches the mouse in this layout
    auto page = rig.make<OakPointSpeed>();
    auto* slider = part<QSlider>(*page, "keyResponseSlider");
    auto* spin = part<QSpinBox>(*page, "scrollSpeedSpin");
    rig.set.Debounce = 0;
    rig.record().scrollspeed = 0;
    page->refresh(rig.record(), rig.set);
    QCOMPARE(slider->value(), 5);
    QCOMPARE(spin->value(), 1);
    QCOMPARE(part<QLabel>(*page, "keyResponseNumber")->text(), QStringLiteral("5"));
    QTest::keyClick(slider, Qt::Key_Left);
    QTest::keyClick(spin, Qt::Key_Down);
    QCOMPARE(slider->value(), 5);
    QCOMPARE(spin->value(), 1);

    rig.set.Debounce = 99;
    rig.record().scrollspeed = 99;
    page->refresh(rig.record(), rig.set);
    QCOMPARE(slider->value(), 30);
    QCOMPARE(spin->value(), 20);
    QTest::keyClick(slider, Qt::Key_PageDown);
    QCOMPARE(int(rig.set.Debounce), 25);
    QCOMPARE(part<QLabel>(*page, "keyResponseNumber")->text(), QStringLiteral("25"));
    QTest::keyClick(spin, Qt::Key_Down);
    QCOMPARE(int(rig.record().scrollspeed), 19);
}

void TestPerformancePages::onOffPairsShowAndStoreTheirValues_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("stored");
    QTest::addColumn<bool>("firstShown"); // "ON" (or "1mm") checked
    QTest::addColumn<int>("firstStores");
    QTest::addColumn<int>("secondStores");
    // Angle snapping is sent as stored; 1 is on, as the click stores it.
    QTest::newRow("angle 0 is off") << "angle" << 0 << false << 1 << 0;
    QTest::newRow("angle 1 is on") << "angle" << 1 << true << 1 << 0;
    QTest::newRow("sync 7 is on") << "sync" << 7 << true << 1 << 0;
    QTest::newRow("sync 0 is off") << "sync" << 0 << false << 1 << 0;
    QTest::newRow("jitter 0 is on") << "jitter" << 0 << true << 0 << 1;
    QTest::newRow("jitter 3 is off") << "jitter" << 3 << false << 0 << 1;
    QTest::newRow("lift 1") << "lift" << 1 << true << 1 << 2;
    QTest::newRow("lift 5 is 2mm") << "lift" << 5 << false << 1 << 2;
}

void TestPerformancePages::onOffPairsShowAndStoreTheirValues()
{
    QFETCH(QString, name);
    QFETCH(int, stored);
    QFETCH(bool, firstShown);
    QFETCH(int, firstStores);
    QFETCH(int, secondStores);
    PageRig rig;
    rig.model.syncMode = name == QLatin1String("lift") ? 3 : 0;
    auto page = rig.make<OakPointSpeed>();
    quint8* field = name == QLatin1String("angle")  ? &rig.set.AngleValue
                    : name == QLatin1String("sync") ? &rig.set.Sync
                    : name == QLatin1String("lift") ? &rig.set.LiftHigh
                                                    : &rig.set.Jitter;
    *field = quint8(stored);
    page->refresh(rig.record(), rig.set);
    page->show();
    auto* first = part<QRadioButton>(*page, qPrintable(name + QStringLiteral("First")));
    auto* second = part<QRadioButton>(*page, qPrintable(name + QStringLiteral("Second")));
    QVERIFY(first->isVisible());
    QCOMPARE(first->isChecked(), firstShown);
    QCOMPARE(second->isChecked(), !firstShown);

    QTest::mouseClick(second, Qt::LeftButton, {}, QPoint(5, second->height() / 2));
    QCOMPARE(int(*field), secondStores);
    QVERIFY(second->isChecked() && !first->isChecked());
    QTest::mouseClick(first, Qt::LeftButton, {}, QPoint(5, first->height() / 2));
    QCOMPARE(int(*field), firstStores);
    QVERIFY(first->isChecked() && !second->isChecked());
}

// The two lift controls never show together, and one always shows.
void TestPerformancePages::liftIsOfferedOnExactlyOnePage()
{
    for (int mode : {0, 1, 2, 3, 4, 9}) {
        PageRig rig;
        rig.model.syncMode = mode;
        auto rate = rig.make<OakReportRate>();
        auto pointer = rig.make<OakPointSpeed>();
        rate->show();
        pointer->show();
        const bool onRate = part<QRadioButton>(*rate, "lift1")->isVisible();
        const bool onPointer = part<QRadioButton>(*pointer, "liftFirst")->isVisible();
        QVERIFY2(onRate != onPointer, qPrintable(QStringLiteral("sync mode %1").arg(mode)));
        // Where the angle's byte carries the key response, no angle snapping.
        QCOMPARE(part<QRadioButton>(*pointer, "angleFirst")->isVisible(), mode != 3);
        // No two shown controls overlap.
        const QList<QWidget*> shown = pointer->findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly);
        for (QWidget* a : shown)
            for (QWidget* b : shown)
                if (a != b && a->isVisible() && b->isVisible())
                    QVERIFY2(!a->geometry().intersects(b->geometry()),
                             qPrintable(a->objectName() + QLatin1Char('/') + b->objectName()));
    }
}

void TestPerformancePages::mouseSettingOpensTheDesktopsPanel()
{
    PageRig rig;
    auto page = rig.make<OakPointSpeed>();
    page->refresh(rig.record(), rig.set);
    const ProfileSet before = rig.set;
    const QStringList& messages = rig.prompts.told;
    auto* button = part<QPushButton>(*page, "mouseSettingButton");
    QTest::mouseClick(button, Qt::LeftButton);
    QCOMPARE(rig.launcher->settingsOpened(), 1);
    QCOMPARE(messages.count(), 0);
    QVERIFY(rig.set == before);

    rig.launcher->setHasMouseSettings(false);
    QTest::mouseClick(button, Qt::LeftButton);
    QCOMPARE(messages.count(), 1);

    rig.model.mouseButtonShown = false;
    page->reinitialise();
    page->show();
    QVERIFY(!button->isVisible());
}

int runPerformancePageTests(int argc, char** argv)
{
    TestPerformancePages test;
    return QTest::qExec(&test, argc, argv);
}

#include "PerformancePageTest.moc"
