// SPDX-License-Identifier: GPL-3.0-or-later
#include "protocol/MacroRecorder.h"
#include "protocol/MacroSteps.h"
#include "storage/GunFile.h"
#include "storage/IniReader.h"
#include "storage/MacroChangeMarks.h"
#include "storage/MacroFiles.h"
#include "storage/MacroList.h"
#include "support/TempAppDir.h"

#include <QDirIterator>
#include <QtTest>

namespace {

using Steps = QVector<MacroEvent>;

// Events written (Map, DataH, DataL), the order the macro files and the
// editor's documentation use.
MacroEvent ev(int map, int dataH, int dataL)
{
    return MacroEvent{quint8(map), quint8(dataL), quint8(dataH)};
}

constexpr quint16 kScanA = 30;
constexpr quint16 kScanB = 48;
constexpr quint8 KeyboardReleased = 0x80;

MacroSteps::DelayRule rule(int delayType, int defaultDelayMs = 10, int unitMs = 1)
{
    return MacroSteps::DelayRule{delayType, defaultDelayMs, unitMs};
}

MacroSteps stepsOf(const Steps& events)
{
    MacroSteps steps;
    steps.insertAfter(-1, events);
    return steps;
}

// Presses and releases alternate keys until the recorder refuses.
int recordUntilFull(MacroSteps& steps, MacroRecorder& recorder)
{
    qint64 now = 1000;
    for (int i = 0; i < 200; ++i) {
        const quint16 scan = i % 4 < 2 ? kScanA : kScanB;
        const quint8 flags = i % 2 ? KeyboardReleased : 0;
        if (recorder.onKey(steps, scan, flags, now += 7) == MacroRecorder::Outcome::Full)
            return steps.size();
    }
    return -1;
}

} // namespace

class TestMacroSteps : public QObject
{
    Q_OBJECT

private slots:
    void recordingWritesKeysAndDelays();
    void recordingStopsAtTheRowLimits();
    void recordingAfterARowInsertsThere();
    void mouseCommandsInsertAfterTheSelection();
    void storedStepsLoadAsTheTableShowsThem();
    void editingBarMovesAndRemoves();
    void clipboardKeepsWithinTheLimit();
    void editModeRewritesOnlyMatchingRows();
    void releaseCheckPairsKindAndCode();
    void gunFileEvents();
    void gunFileNeverWritesOverAMacro();
    void renameFindsAFreeNameAndRefusesUnsafeOnes();
    void changeMarkClearedOnlyForUnchangedButtons();
};

void TestMacroSteps::recordingWritesKeysAndDelays()
{
    MacroSteps steps;
    MacroRecorder recorder;
    recorder.start(steps, -1, rule(0));
    QCOMPARE(recorder.onKey(steps, kScanA, 0, 500), MacroRecorder::Outcome::Added);
    QCOMPARE(recorder.onKey(steps, kScanA, 0, 530), MacroRecorder::Outcome::Repeat); // auto-repeat
    QCOMPARE(recorder.onKey(steps, kScanA, KeyboardReleased, 600), MacroRecorder::Outcome::Added);
    QCOMPARE(steps.events(), (Steps{ev(132, 0, 4), ev(4, 0, 4)}));

    steps.clear();
    recorder.start(steps, -1, rule(1));
    recorder.onKey(steps, kScanA, 0, 1000);
    recorder.onKey(steps, kScanA, KeyboardReleased, 1123);
    QCOMPARE(steps.events(), (Steps{ev(132, 0, 4), ev(6, 0, 123), ev(4, 0, 4)}));
    QCOMPARE(recorder.lastRow(), 2);

    // A delay unit of 10 ms rounds down; no time at all still counts one unit.
    steps.clear();
    recorder.start(steps, -1, rule(1, 10, 10));
    recorder.onKey(steps, kScanA, 0, 1000);
    recorder.onKey(steps, kScanB, 0, 1309);
    recorder.onKey(steps, kScanB, KeyboardReleased, 1309);
    QCOMPARE(steps.events().at(1), ev(6, 0, 30));
    QCOMPARE(steps.events().at(3), ev(6, 0, 1));
    QCOMPARE(recorder.heldKeys(), QVector<quint8>{30}); // A is still down

    // The default delay, in units, goes before every key after the first.
    steps.clear();
    recorder.start(steps, -1, rule(2, 300, 1));
    recorder.onKey(steps, kScanA, 0, 1);
    recorder.onKey(steps, kScanA, KeyboardReleased, 2);
    QCOMPARE(steps.events(), (Steps{ev(132, 0, 4), ev(6, 1, 44), ev(4, 0, 4)}));

    // A key the mouse has no usage for adds nothing, not even a delay.
    QCOMPARE(recorder.onKey(steps, 0, 0, 50), MacroRecorder::Outcome::Unknown);
    QCOMPARE(steps.size(), 3);
}

void TestMacroSteps::recordingStopsAtTheRowLimits()
{
    for (int delayType : {0, 1, 2}) {
        MacroSteps steps;
        MacroRecorder recorder;
        recorder.start(steps, -1, rule(delayType));
        QCOMPARE(recordUntilFull(steps, recorder), delayType == 0 ? 56 : 83);
    }
    // Recording more into a table that is full already adds nothing.
    MacroSteps full = stepsOf(Steps(84, ev(6, 0, 1)));
    MacroRecorder recorder;
    recorder.start(full, 10, rule(1));
    QCOMPARE(recorder.onKey(full, kScanA, 0, 1), MacroRecorder::Outcome::Full);
    QCOMPARE(full.size(), 84);
}

void TestMacroSteps::recordingAfterARowInsertsThere()
{
    MacroSteps steps = stepsOf({ev(129, 0, 1), ev(1, 0, 1)});
    MacroRecorder recorder;
    recorder.start(steps, 0, rule(1));
    recorder.onKey(steps, kScanA, 0, 100);
    recorder.onKey(steps, kScanA, KeyboardReleased, 140);
    QCOMPARE(steps.events(), (Steps{ev(129, 0, 1), ev(132, 0, 4), ev(6, 0, 40), ev(4, 0, 4), ev(1, 0, 1)}));
    QCOMPARE(recorder.lastRow(), 3);
}

void TestMacroSteps::mouseCommandsInsertAfterTheSelection()
{
    QCOMPARE(MacroSteps::click(MacroSteps::LeftButton, rule(1)),
             (Steps{ev(129, 0, 1), ev(6, 0, 10), ev(1, 0, 1), ev(6, 0, 10)}));
    QCOMPARE(MacroSteps::click(MacroSteps::MiddleButton, rule(0)), (Steps{ev(129, 0, 4), ev(1, 0, 4)}));
    QCOMPARE(MacroSteps::buttonChange(MacroSteps::BackwardButton, false, rule(2, 30, 10)),
             (Steps{ev(1, 0, 16), ev(6, 0, 3)}));
    QCOMPARE(MacroSteps::move(MacroSteps::MoveUp, 5, rule(0)), Steps{ev(2, 251, 0)});
    QCOMPARE(MacroSteps::move(MacroSteps::MoveLeft, 5, rule(0)), Steps{ev(2, 0, 251)});
    // A move holds signed bytes: a larger distance is cut to 120, never wrapped.
    QCOMPARE(MacroSteps::move(MacroSteps::MoveRight, 99999, rule(0)), Steps{ev(2, 0, 120)});

    MacroSteps steps = stepsOf({ev(132, 0, 4), ev(4, 0, 4)});
    QCOMPARE(steps.insertAfter(0, MacroSteps::move(MacroSteps::MoveDown, 3, rule(1))), 2);
    QCOMPARE(steps.events(), (Steps{ev(132, 0, 4), ev(2, 3, 0), ev(6, 0, 10), ev(4, 0, 4)}));
    QCOMPARE(steps.insertAfter(-1, {ev(6, 0, 1)}), 4); // no selection: at the end
}

void TestMacroSteps::storedStepsLoadAsTheTableShowsThem()
{
    Steps stored;
    for (const MacroEvent& e : {ev(2, 0, 200), ev(2, 5, 5), ev(129, 0, 3), ev(1, 0, 16), ev(132, 7, 4),
                                ev(5, 0, 0), ev(6, 1, 44), ev(130, 251, 0), ev(0, 0, 0)})
        stored.append(e);
    MacroSteps steps;
    steps.load(stored);
    QCOMPARE(steps.events(),
             (Steps{ev(2, 0, 200), ev(2, 0, 0), ev(1, 0, 16), ev(132, 0, 4), ev(6, 1, 44), ev(2, 251, 0)}));
    QCOMPARE(MacroSteps::direction(steps.events().at(0)), MacroSteps::MoveLeft);
    QCOMPARE(MacroSteps::distance(steps.events().at(0)), 56);
    QCOMPARE(MacroSteps::direction(steps.events().at(5)), MacroSteps::MoveUp);
}

void TestMacroSteps::editingBarMovesAndRemoves()
{
    const Steps abc{ev(6, 0, 1), ev(6, 0, 2), ev(6, 0, 3)};
    MacroSteps steps = stepsOf(abc);
    QCOMPARE(steps.moveUp(0), -1);
    QCOMPARE(steps.moveDown(2), -1);
    QCOMPARE(steps.events(), abc);
    QCOMPARE(steps.moveToBottom(0), 2);
    QCOMPARE(steps.events(), (Steps{ev(6, 0, 2), ev(6, 0, 3), ev(6, 0, 1)}));
    QCOMPARE(steps.moveToTop(2), 0);
    QCOMPARE(steps.moveDown(0), 1);
    QCOMPARE(steps.events(), (Steps{ev(6, 0, 2), ev(6, 0, 1), ev(6, 0, 3)}));
    QCOMPARE(steps.removeRow(2), 1); // the last row gone: the new last is selected
    QCOMPARE(steps.removeRow(0), 0);
    QCOMPARE(steps.removeRow(0), -1);
    QVERIFY(steps.isEmpty());
    QCOMPARE(steps.removeRow(0), -1);
}

void TestMacroSteps::clipboardKeepsWithinTheLimit()
{
    MacroSteps steps = stepsOf({ev(6, 0, 1), ev(6, 0, 2), ev(6, 0, 3), ev(6, 0, 4)});
    QCOMPARE(steps.copy({3, 1, 1, 9}), (Steps{ev(6, 0, 2), ev(6, 0, 4)}));
    QCOMPARE(steps.insertAfter(0, steps.copy({3, 1})), 2);
    QCOMPARE(steps.size(), 6);

    Steps taken;
    QCOMPARE(steps.cut({0, 1, 2, 3, 4, 5}, &taken), -1); // cutting everything
    QVERIFY(steps.isEmpty());
    QCOMPARE(taken.size(), 6);
    QCOMPARE(steps.insertAfter(-1, taken), 5);
    QCOMPARE(steps.cut({1, 2}, &taken), 1);
    QCOMPARE(taken, (Steps{ev(6, 0, 2), ev(6, 0, 4)}));

    // Pasting into a full table, or past its end, changes nothing.
    MacroSteps full = stepsOf(Steps(MacroSteps::kMaxSteps - 1, ev(6, 0, 9)));
    QCOMPARE(full.insertAfter(3, taken), -1);
    QCOMPARE(full.size(), MacroSteps::kMaxSteps - 1);
    QCOMPARE(full.insertAfter(3, {ev(6, 0, 1)}), 4);
    QCOMPARE(full.insertAfter(3, {ev(6, 0, 1)}), -1);
    QCOMPARE(full.size(), MacroSteps::kMaxSteps);
}

void TestMacroSteps::editModeRewritesOnlyMatchingRows()
{
    MacroSteps steps = stepsOf({ev(6, 0, 10), ev(2, 251, 0), ev(129, 0, 1), ev(4, 0, 4)});
    QVERIFY(steps.setDelay(0, 300, 10));
    QVERIFY(steps.setMoveDistance(1, 500)); // stays up, cut to 120
    QVERIFY(steps.setButton(2, MacroSteps::RightButton));
    QVERIFY(steps.setKey(3, 5));
    QCOMPARE(steps.events(), (Steps{ev(6, 0, 30), ev(2, 136, 0), ev(129, 0, 2), ev(4, 0, 5)}));
    QVERIFY(steps.setMove(1, MacroSteps::MoveRight, 7));
    QCOMPARE(steps.events().at(1), ev(2, 0, 7));
    // A change of one kind leaves a row of another kind as it is.
    QVERIFY(!steps.setKey(0, 9));
    QVERIFY(!steps.setDelay(3, 100, 1));
    QVERIFY(!steps.setButton(1, 0));
    QVERIFY(!steps.setMoveDistance(2, 3));
    QCOMPARE(steps.events(), (Steps{ev(6, 0, 30), ev(2, 0, 7), ev(129, 0, 2), ev(4, 0, 5)}));
}

void TestMacroSteps::releaseCheckPairsKindAndCode()
{
    QVERIFY(MacroSteps::allReleased({ev(132, 0, 4), ev(6, 0, 9), ev(4, 0, 4)}));
    QVERIFY(MacroSteps::allReleased({ev(4, 0, 5), ev(2, 0, 3)})); // held before recording began
    QVERIFY(!MacroSteps::allReleased({ev(132, 0, 4), ev(132, 0, 5), ev(4, 0, 5)}));
    // The middle button and the key A share the code 4, not the press.
    QVERIFY(!MacroSteps::allReleased({ev(129, 0, 4), ev(4, 0, 4)}));
    QVERIFY(!MacroSteps::allReleased({ev(4, 0, 4), ev(132, 0, 4)})); // released first, then held
}

void TestMacroSteps::gunFileEvents()
{
    QCOMPARE(GunFile::events({GunShot{100, 0, 5}}, 1),
             (Steps{ev(129, 0, 1), ev(1, 0, 1), ev(2, 5, 0), ev(6, 0, 100)}));
    QCOMPARE(GunFile::events({GunShot{250, -7, -3}}, 10),
             (Steps{ev(129, 0, 1), ev(1, 0, 1), ev(2, 0, 249), ev(2, 253, 0), ev(6, 0, 25)}));
    QCOMPARE(GunFile::events(QVector<GunShot>(7), 1).size(), 5 * 3); // five shots at most
}

void TestMacroSteps::gunFileNeverWritesOverAMacro()
{
    TempAppDir app;
    MacroFiles files(app.paths());
    MacroRecord mine;
    mine.name = QStringLiteral("ak");
    mine.events = {ev(132, 0, 4)};
    QVERIFY(files.save(mine).isOk());
    QVERIFY(MacroList(app.paths()).add(mine.name).isOk());

    QString written;
    QVERIFY(GunFile::write(app.paths(), QStringLiteral("ak"), {GunShot{100, 0, 5}}, 1, &written).isOk());
    QCOMPARE(written, QStringLiteral("ak_2"));
    QCOMPARE(files.load(QStringLiteral("ak")).events, mine.events);
    const IniReader gun(files.macroPath(written));
    QCOMPARE(gun.value(QStringLiteral("Setting/DelayType")).toString(), QStringLiteral("1"));
    QCOMPARE(gun.value(QStringLiteral("Setting/LoopType")).toString(), QStringLiteral("0"));
    QCOMPARE(gun.value(QStringLiteral("Setting/LoopTime")).toString(), QStringLiteral("1"));
    QCOMPARE(gun.value(QStringLiteral("Setting/DefaultDelay")).toString(), QStringLiteral("10"));
    QCOMPARE(gun.value(QStringLiteral("Setting/Count")).toString(), QStringLiteral("4"));
    QVERIFY(!gun.contains(QStringLiteral("Setting/WriteSign")));
    QCOMPARE(MacroList(app.paths()).names(), (QStringList{QStringLiteral("ak"), QStringLiteral("ak_2")}));

    QVERIFY(!GunFile::write(app.paths(), QStringLiteral("../gun"), {GunShot{}}, 1, &written).isOk());
    QVERIFY(!QFileInfo::exists(app.paths().configDir() + QStringLiteral("/gun.MSMACRO")));
}

void TestMacroSteps::renameFindsAFreeNameAndRefusesUnsafeOnes()
{
    TempAppDir app;
    MacroFiles files(app.paths());
    QString name;
    QVERIFY(files.createMacro(&name).isOk()); // name_1
    QVERIFY(files.createMacro(&name).isOk()); // name_2
    QString renamed;
    QVERIFY(files.renameMacro(QStringLiteral("name_2"), QStringLiteral("name_1"), &renamed).isOk());
    QCOMPARE(renamed, QStringLiteral("name_1_1"));
    QVERIFY(files.exists(renamed));
    QVERIFY(!files.exists(QStringLiteral("name_2")));
    QCOMPARE(MacroList(app.paths()).names(), (QStringList{QStringLiteral("name_1"), renamed}));

    // Exporting over the macro's own file keeps it; over another file replaces that.
    QVERIFY(files.exportMacro(renamed, files.macroPath(renamed), true).isOk());
    QVERIFY(files.exists(renamed));
    QVERIFY(files.exportMacro(renamed, files.macroPath(QStringLiteral("name_1")), true).isOk());
    QVERIFY(files.exists(QStringLiteral("name_1")));

    // A name whose suffixed form would be too long is refused, not cut.
    const QString longest(240, QLatin1Char('n'));
    QVERIFY(files.renameMacro(renamed, longest).isOk());
    QVERIFY(!files.renameMacro(QStringLiteral("name_1"), longest).isOk());
    QVERIFY(files.exists(QStringLiteral("name_1")));
}

void TestMacroSteps::changeMarkClearedOnlyForUnchangedButtons()
{
    ProfileSet before;
    for (int b = 0; b < 4; ++b) {
        ButtonAssignment& button = before.profiles[1].buttons[b];
        button.Fun = ButtonAssignment::kMacroFunction;
        button.macroname = QStringLiteral("m%1").arg(b);
        button.setMacroSteps({ev(132, 0, 4), ev(4, 0, 4)});
    }
    ProfileSet now = before;
    now.profiles[1].buttons[1].setMacroSteps({ev(132, 0, 5), ev(4, 0, 5)}); // steps changed
    now.profiles[1].buttons[2].macroname = QStringLiteral("m0");            // another macro
    now.profiles[1].buttons[3].LoopNumber = 3;                              // record changed
    QCOMPARE(MacroChangeMarks::unchangedMacros(before, now), QStringList{QStringLiteral("m0")});

    TempAppDir app;
    const QString marked = QStringLiteral("[Setting]\nCount=0\nWriteSign=1\n");
    for (int b = 0; b < 4; ++b)
        app.writeFile(QStringLiteral("Configs/MacroDB/m%1.MSMACRO").arg(b), marked.toUtf8());
    QVERIFY(MacroChangeMarks::clearUnchanged(app.paths(), before, now).isOk());
    MacroFiles files(app.paths());
    QCOMPARE(files.load(QStringLiteral("m0")).WriteSign, 0);
    for (int b = 1; b < 4; ++b)
        QCOMPARE(files.load(QStringLiteral("m%1").arg(b)).WriteSign, 1);
}

QTEST_GUILESS_MAIN(TestMacroSteps)
#include "tst_macrosteps.moc"
