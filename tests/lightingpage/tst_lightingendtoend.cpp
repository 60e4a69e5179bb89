// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/CommitController.h"
#include "device/ApplyJob.h"
#include "editors/lighting/OakColorArea.h"
#include "editors/lighting/OakColorWindow.h"
#include "sim/OnBoardState.h"
#include "storage/ProfileWorkspace.h"
#include "support/WindowRig.h"

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QSignalSpy>
#include <QSlider>
#include <QtTest>

// The lighting page in the real window, sending to the virtual mouse.
class TestLightingEndToEnd : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void breathingWithAColourReachesTheMouse()
    {
        WindowRig rig;
        MousecfgWidget& window = rig.open();
        window.show();
        QCOMPARE(rig.workspace().currentSlot(), 0);
        auto* page = rig.find<OakColorWindow>(QStringLiteral("lightingPage"));
        QVERIFY(page && page->isVisible());

        page->findChild<QAction*>(QStringLiteral("effect3"))->trigger();
        auto* speed = page->findChild<QSlider*>(QStringLiteral("speedSlider"));
        QVERIFY(speed->isVisible());
        speed->setFocus();
        QTest::keyClick(speed, Qt::Key_Home);
        QTest::keyClick(speed, Qt::Key_Right);
        QTest::keyClick(speed, Qt::Key_Right);
        QTest::keyClick(speed, Qt::Key_Right); // speed 4

        const QString shots = qEnvironmentVariable("LIGHTING_SHOTS");
        if (!shots.isEmpty())
            window.grab().save(shots + QStringLiteral("/window.png"));
        page->color_clicked();
        OakColorArea* editor = page->colorEditor();
        QVERIFY(editor);
        auto* hex = editor->findChild<QLineEdit*>(QStringLiteral("hexField"));
        hex->setFocus();
        hex->selectAll();
        QTest::keyClicks(hex, QStringLiteral("12AB7F"));
        QTest::keyClick(hex, Qt::Key_Return);
        if (!shots.isEmpty())
            editor->grab().save(shots + QStringLiteral("/window-editor.png"));
        editor->findChild<QPushButton*>(QStringLiteral("applyButton"))->click();
        QVERIFY(rig.workspace().hasUnsavedChanges());

        auto* commit = window.findChild<CommitController*>(QStringLiteral("commitController"));
        QSignalSpy committed(commit, &CommitController::committed);
        QVERIFY(commit->apply());
        QTRY_COMPARE_WITH_TIMEOUT(committed.count(), 1, 20000);
        QCOMPARE(int(committed.first().first().value<ApplyOutcome>().result), 0);

        const OnBoardState mouse = rig.mouse().state();
        QCOMPARE(int(mouse.ledMode), 3);
        QCOMPARE(int(mouse.ledSpeed), 4);
        QCOMPARE(int(mouse.ledBrightness), 0);
        QCOMPARE(int(mouse.colour[0]), 0x12);
        QCOMPARE(int(mouse.colour[1]), 0xAB);
        QCOMPARE(int(mouse.colour[2]), 0x7F);

        // The page follows a change of language, its effect names too.
        auto* languages = rig.find<QPushButton>(QStringLiteral("languageButton"));
        languages->menu()->actions().at(2)->trigger();
        QTRY_COMPARE(page->findChild<QPushButton*>(QStringLiteral("effectButton"))->text(),
                     QStringLiteral("呼吸"));
        QCOMPARE(page->findChild<QAction*>(QStringLiteral("effect0"))->text(), QStringLiteral("關閉"));
        QCOMPARE(page->findChild<QLabel*>(QStringLiteral("speedCaption"))->text(), QStringLiteral("速度"));
        if (!shots.isEmpty())
            window.grab().save(shots + QStringLiteral("/window-tc.png"));
    }
};

int runLightingEndToEndTests(int argc, char** argv)
{
    TestLightingEndToEnd test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_lightingendtoend.moc"
