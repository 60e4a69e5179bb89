// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/CommitController.h"
#include "editors/dpi/OakDPIWindow.h"
#include "editors/dpi/OakSingleDPI.h"
#include "storage/ProfileSetStore.h"
#include "storage/ProfileWorkspace.h"
#include "support/WindowRig.h"

#include <QCheckBox>
#include <QLabel>
#include <QMenu>
#include <QSignalSpy>
#include <QSlider>
#include <QtTest>

namespace {

// The sample model's sensor 3389 as the mouse reads a stage axis: range 0
// counts 50 DPI a value, range 1 counts 100 DPI a value (level - 160).
int decodedDpi3389(quint8 range, quint8 low, quint8 high)
{
    const int value = low | (high << 8);
    return range == 0 ? 50 * value : 100 * value;
}

OakSingleDPI* dpiRow(WindowRig& rig, int i)
{
    auto* page = rig.find<OakDPIWindow>(QStringLiteral("dpiPage"));
    return page ? page->findChild<OakSingleDPI*>(QStringLiteral("dpiRow%1").arg(i)) : nullptr;
}

// Applies through the window's commit controller and waits for its report.
bool applyAndWait(WindowRig& rig)
{
    auto* commit = rig.find<CommitController>(QStringLiteral("commitController"));
    if (!commit)
        return false;
    QSignalSpy committed(commit, &CommitController::committed);
    if (!commit->apply())
        return false;
    return committed.count() > 0 || committed.wait(10000);
}

} // namespace

class TestDpiTabEndToEnd : public QObject
{
    Q_OBJECT

private slots:
    void stageAndRateReachTheMouseAndTheFile();
    void straddlingStageIsSentAsShown();
};

void TestDpiTabEndToEnd::stageAndRateReachTheMouseAndTheFile()
{
    WindowRig rig;
    rig.open();
    OakSingleDPI* row = dpiRow(rig, 1);
    QVERIFY(row);
    auto* link = row->findChild<QCheckBox*>(QStringLiteral("linkBox"));
    if (!link->isChecked())
        QTest::keyClick(link, Qt::Key_Space);
    auto* bar = row->findChild<QSlider*>(QStringLiteral("linkedBar"));
    QTest::keyClick(bar, Qt::Key_Home);
    for (int i = 0; i < 3; ++i)
        QTest::keyClick(bar, Qt::Key_Right); // level 2 + 3

    auto* rates =
        rig.find<QWidget>(QStringLiteral("reportRatePage"))->findChild<QMenu*>(QStringLiteral("rateMenu"));
    for (QAction* action : rates->actions())
        if (action->text() == QLatin1String("250 HZ"))
            action->trigger();

    QVERIFY(applyAndWait(rig));
    const OnBoardState state = rig.mouse().state();
    const std::array<quint8, 5> stage{{0, 5, 0, 5, 0}};
    QCOMPARE(state.dpiStages[1], stage);
    QCOMPARE(int(state.pollRate), 4);

    ProfileSet onDisk;
    ProfileSetStore(rig.paths(), rig.workspace().modelName()).loadSet(onDisk);
    QCOMPARE(int(onDisk.current().stages[1].x), 5);
    QCOMPARE(int(onDisk.current().stages[1].y), 5);
    QCOMPARE(int(onDisk.current().stages[1].link), 1);
    QCOMPARE(int(onDisk.current().pollrate), 4);
}

// X at 5000 DPI and Y at 24000 DPI as stored: X's range (0) travels for
// both, so the page shows, and the mouse gets, Y at its highest level of
// range 0.
void TestDpiTabEndToEnd::straddlingStageIsSentAsShown()
{
    WindowRig rig;
    rig.open();
    ProfileWorkspace& workspace = rig.workspace();
    DpiStage& stored = workspace.current().stages[2];
    stored.x = 100;
    stored.y = 400;
    stored.link = 0;
    auto* page = rig.find<OakDPIWindow>(QStringLiteral("dpiPage"));
    page->refresh(workspace.current(), workspace.working());
    OakSingleDPI* row = dpiRow(rig, 2);
    const QString shownX = row->findChild<QLabel*>(QStringLiteral("xLabel"))->text();
    const QString shownY = row->findChild<QLabel*>(QStringLiteral("yLabel"))->text();

    QVERIFY(applyAndWait(rig));
    const auto sent = rig.mouse().state().dpiStages[2];
    QCOMPARE(shownX, QStringLiteral("X:%1").arg(decodedDpi3389(sent[0], sent[1], sent[2])));
    QCOMPARE(shownY, QStringLiteral("Y:%1").arg(decodedDpi3389(sent[0], sent[3], sent[4])));
    QCOMPARE(shownY, QStringLiteral("Y:16000"));
}

int runEndToEndTests(int argc, char** argv)
{
    TestDpiTabEndToEnd test;
    return QTest::qExec(&test, argc, argv);
}

#include "EndToEndTest.moc"
