// SPDX-License-Identifier: GPL-3.0-or-later
#include "ApplyTest.h"

#include "OperationsRig.h"

#include "device/DeviceSession.h"
#include "hid/DeviceLink.h"
#include "storage/IniReader.h"
#include "storage/SettingsWriter.h"
#include "widgets/OakProcessDialog.h"

#include <QDir>
#include <QProcess>
#include <QProgressBar>
#include <QtTest>

namespace {

// What the host wrote to the mouse, without the status poll's queries.
QStringList writtenCommands(VirtualMouse& mouse)
{
    QStringList written;
    for (const TraceRecord& record : mouse.trace()) {
        const bool statusQuery =
            record.bytes.size() > 4 && quint8(record.bytes[1]) == 0x0a && quint8(record.bytes[2]) == 0xaa;
        if (record.direction == TraceRecord::Written && !statusQuery)
            written.append(record.toText());
    }
    return written;
}

// Turns the named profile file into a folder: nothing can be saved there.
void blockFile(const QString& path)
{
    QVERIFY(QFile::remove(path));
    QVERIFY(QDir().mkpath(path));
}

} // namespace

void ApplyTest::resultMessages_data()
{
    QTest::addColumn<QString>("fault");
    QTest::addColumn<QStringList>("asked");
    QTest::addColumn<bool>("fileNamed");
    QTest::newRow("success") << "none" << QStringList() << false;
    QTest::newRow("no mouse") << "unplugged"
                              << QStringList{QStringLiteral("Mouse is sleeping or not connected.")} << false;
    QTest::newRow("transfer fails") << "writes fail"
                                    << QStringList{QStringLiteral("Send data failed, please try again.")}
                                    << false;
    QTest::newRow("file not writable") << "blocked file" << QStringList() << true;
}

void ApplyTest::resultMessages()
{
    QFETCH(QString, fault);
    QFETCH(QStringList, asked);
    QFETCH(bool, fileNamed);
    OperationsRig t(fault == QLatin1String("unplugged") ? WindowRig::unplugged() : VirtualMouseOptions());
    if (fault == QLatin1String("writes fail")) {
        VirtualMouseFaults faults;
        faults.failingWrites = VirtualMouseFaults::kAlways;
        t.rig.mouse().setFaults(faults);
    }
    const QString blocked = t.profilePath(QStringLiteral("Profile 3"));
    if (fileNamed)
        blockFile(blocked);

    QSignalSpy hide(t.ops.get(), &ProfileOperations::hideRequested);
    QVERIFY(t.awaitCommit([&] { t.ops->ok(); }));
    QCOMPARE(t.prompts.asked, asked);
    QCOMPARE(t.prompts.told.size(), fileNamed ? 1 : 0);
    if (fileNamed)
        QVERIFY2(t.prompts.told.first().contains(blocked), qPrintable(t.prompts.told.first()));
    // OK hides the window once the user has read the result.
    QCOMPARE(hide.size(), 1);
}

void ApplyTest::unreadableSlotIsNotSent()
{
    OperationsRig t;
    // A slot file that cannot be read at start-up holds defaults in memory.
    blockFile(t.profilePath(QStringLiteral("Profile 2")));
    QVERIFY(t.workspace().load().isOk() == false);
    QSignalSpy started(t.commit, &CommitController::started);
    t.ops->apply();
    QCOMPARE(started.size(), 0);
    QCOMPARE(t.prompts.told.size(), 1);
    QVERIFY(t.prompts.told.first().contains(QStringLiteral("Profile 2.prof")));
    // Once another profile takes that slot, the set may be sent again.
    QVERIFY(t.workspace().select(1, false).isOk());
    t.storeProfile(QStringLiteral("Fresh"), 2);
    t.ops->choose(QStringLiteral("Fresh"));
    ApplyOutcome outcome;
    QVERIFY(t.awaitCommit([&] { t.ops->apply(); }, &outcome));
    QCOMPARE(int(outcome.result), 0);
    QCOMPARE(t.prompts.told.size(), 1);
}

void ApplyTest::progressCountsToTotalAndDialogFollows()
{
    OperationsRig t;
    t.rig.mouse().clearTrace();
    QSignalSpy progress(t.commit, &CommitController::progress);
    QVector<QPair<int, int>> shown;
    // The dialog's bar, as the user sees it after each transfer.
    QObject::connect(t.commit, &CommitController::progress, t.commit, [&] {
        auto* dialog = t.rig.window().findChild<OakProcessDialog*>(QStringLiteral("processDialog"));
        if (dialog && dialog->isVisible())
            shown.append({dialog->progressDone(), dialog->progressTotal()});
    });
    QVERIFY(t.awaitCommit([&] { t.ops->apply(); }));
    QVERIFY(!progress.isEmpty());
    const int total = progress.first().at(1).toInt();
    QCOMPARE(total, writtenCommands(t.rig.mouse()).size());
    for (int i = 0; i < progress.size(); ++i) {
        QCOMPARE(progress.at(i).at(0).toInt(), i + 1);
        QCOMPARE(progress.at(i).at(1).toInt(), total);
    }
    QCOMPARE(shown.size(), progress.size());
    QCOMPARE(shown.last(), qMakePair(total, total));
    // The dialog is gone once the commit is over.
    auto* dialog = t.rig.window().findChild<OakProcessDialog*>(QStringLiteral("processDialog"));
    QVERIFY(!dialog || !dialog->isVisible());
}

void ApplyTest::replugDuringApplyWaitsForTheDownload()
{
    OperationsRig t;
    VirtualMouse& mouse = t.rig.mouse();
    mouse.clearTrace();
    int writes = 0;
    mouse.setTraceObserver([&](const TraceRecord& record) {
        if (record.direction == TraceRecord::Written && ++writes == 4) {
            mouse.unplug(VirtualIdentity::Receiver);
            mouse.plug(VirtualIdentity::Receiver);
        }
    });
    QSignalSpy polling(&t.rig.session(), &DeviceSession::pollingChanged);
    ApplyOutcome outcome;
    QVERIFY(t.awaitCommit([&] { t.ops->apply(); }, &outcome));
    mouse.setTraceObserver(nullptr);
    // The pulled handle ends the download with its own failure...
    QVERIFY(outcome.result != 0);
    QCOMPARE(t.prompts.asked.size(), 1);
    // ...and only then are the handles opened again and the poll restarted.
    QTRY_VERIFY_WITH_TIMEOUT(t.rig.session().isPolling(), 5000);
    QVERIFY(!t.rig.link().entries().isEmpty());
    // The set was saved once, by the apply, and is the saved state.
    QCOMPARE(t.workspace().saved(), t.workspace().working());
}

void ApplyTest::windowAndCommandLineSendTheSameBytes()
{
    OperationsRig t;
    ProfileData& current = t.workspace().current();
    current.pollrate = 2;
    current.dpi = 3;
    current.leds[1].colour = QColor(10, 200, 30);
    t.workspace().working().Sync = 1;
    t.rig.mouse().clearTrace();
    ApplyOutcome outcome;
    QVERIFY(t.awaitCommit([&] { t.ops->apply(); }, &outcome));
    QCOMPARE(int(outcome.result), 0);
    const QStringList fromWindow = writtenCommands(t.rig.mouse());
    QVERIFY(fromWindow.size() > 5);

    // The command-line tool sends what the window saved.
    QProcess tool;
    tool.start(TempAppDir::executable(QStringLiteral("mousecfgctl")),
               {QStringLiteral("--app-dir"), t.rig.dir().path(), QStringLiteral("--virtual"),
                QStringLiteral("--trace"), QStringLiteral("apply")});
    QVERIFY(tool.waitForFinished(60000));
    QCOMPARE(tool.exitCode(), 0);
    QStringList fromTool;
    for (const QByteArray& line : tool.readAllStandardOutput().split('\n')) {
        if (line.startsWith("W "))
            fromTool.append(QString::fromLatin1(line));
    }
    QCOMPARE(fromTool, fromWindow);
}

// The window saves the battery level while the apply worker saves the set:
// neither save may bring back what the file held before the other.
void ApplyTest::overlappingSavesKeepEachOthersKeys()
{
    TempAppDir app;
    const QString file = app.paths().configFile();
    SettingsWriter battery(file);
    battery.setValue(QStringLiteral("Config/Battery"), 77);
    SettingsWriter apply(file);
    apply.setValue(QStringLiteral("Config/LiftHigh"), 2);
    QVERIFY(apply.finish().isOk());
    QVERIFY(battery.finish().isOk());
    const IniReader saved(file);
    QCOMPARE(saved.value(QStringLiteral("Config/LiftHigh")).toInt(), 2);
    QCOMPARE(saved.value(QStringLiteral("Config/Battery")).toInt(), 77);
}
