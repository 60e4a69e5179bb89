// SPDX-License-Identifier: GPL-3.0-or-later
#include "EditJourneys.h"

#include "JourneyRig.h"
#include "app/DeviceDiscovery.h"
#include "app/UnsavedChanges.h"
#include "device/DeviceSession.h"
#include "storage/AppConfig.h"

#include <QMenu>
#include <QRadioButton>

namespace {

QRadioButton* stageRadio(JourneyRig& j, int stage)
{
    QWidget* row = j.find(QStringLiteral("dpiRow%1").arg(stage).toLatin1().constData());
    return row ? row->findChild<QRadioButton*>(QStringLiteral("activeRadio")) : nullptr;
}

// The point of a radio button or check box that a user aims at: its box.
QPoint onIndicator(QWidget* button)
{
    return QPoint(button->height() / 2, button->height() / 2);
}

} // namespace

void EditJourneys::stageAndRateChosenOnThePageOutlastThePollAndReachTheMouse()
{
    JourneyRig j;
    j.open();
    QCOMPARE(int(j.rig.mouse().state().pollRate), 1);
    QVERIFY(UserInput::press(j.button("dpiTab")));
    auto* rate = j.find<QPushButton>("rateButton");
    QVERIFY(UserInput::chooseFromMenu(rate, QStringLiteral("500 HZ")));
    QVERIFY(UserInput::click(stageRadio(j, 3), onIndicator(stageRadio(j, 3))));
    j.rig.onScreenDisplay().clear();

    // The mouse keeps reporting 1000 Hz and its own stage: the edits stay.
    j.waitForPolls(5);
    QCOMPARE(rate->text(), QStringLiteral("500 HZ"));
    QVERIFY(stageRadio(j, 3)->isChecked());
    QCOMPARE(int(j.workspace().current().pollrate), 2);
    QCOMPARE(int(j.workspace().current().dpi), 3);
    QCOMPARE(j.rig.onScreenDisplay().texts(), QStringList()); // nothing happened on the mouse
    QVERIFY(j.button("dpiTab")->isMarked());
    QVERIFY(j.button("profileSlot1")->isMarked());

    QVERIFY(j.commitBy("applyButton"));
    QCOMPARE(int(j.rig.mouse().state().pollRate), 2);
    QCOMPARE(int(j.rig.mouse().state().dpiStage), 3);
    QCOMPARE(j.storedValue(QStringLiteral("pollrate")).toInt(), 2);
    QCOMPARE(j.storedValue(QStringLiteral("dpi")).toInt(), 3);
    QVERIFY(!j.button("dpiTab")->isMarked());
    QVERIFY(!j.button("profileSlot1")->isMarked());

    // The poll runs again after the apply: a press of the mouse's DPI button
    // shows on the page and in the stored profile.
    j.rig.mouse().pressDpiButton();
    QTRY_VERIFY(stageRadio(j, 4)->isChecked());
    QTRY_COMPARE(j.storedValue(QStringLiteral("dpi")).toInt(), 4);
    QVERIFY(!j.button("dpiTab")->isMarked());
}

void EditJourneys::mouseChangesFollowOnlyWhereNothingIsPending()
{
    JourneyRig j;
    j.open();
    QVERIFY(UserInput::press(j.button("dpiTab")));
    auto* rate = j.find<QPushButton>("rateButton");
    QVERIFY(UserInput::chooseFromMenu(rate, QStringLiteral("250 HZ")));
    j.rig.onScreenDisplay().clear();

    // The DPI button on the mouse: the stage follows (no edit of it is
    // pending), the rate chosen on the page stays.
    j.rig.mouse().pressDpiButton();
    QTRY_VERIFY(stageRadio(j, 1)->isChecked());
    j.waitForPolls();
    QCOMPARE(rate->text(), QStringLiteral("250 HZ"));
    QVERIFY(j.rig.onScreenDisplay().texts().first().startsWith(QStringLiteral("DPI 2:")));
    QCOMPARE(j.storedValue(QStringLiteral("dpi")).toInt(), 1);

    // With a stage chosen on the page, a press on the mouse changes the
    // mouse's stage, shown by the display, not the choice.
    QVERIFY(UserInput::click(stageRadio(j, 5), onIndicator(stageRadio(j, 5))));
    j.rig.onScreenDisplay().clear();
    j.rig.mouse().pressDpiButton();
    QTRY_VERIFY(!j.rig.onScreenDisplay().texts().isEmpty());
    QVERIFY(j.rig.onScreenDisplay().texts().first().startsWith(QStringLiteral("DPI 3:")));
    j.waitForPolls();
    QVERIFY(stageRadio(j, 5)->isChecked());
    QCOMPARE(int(j.workspace().current().dpi), 5);
    QCOMPARE(int(j.workspace().saved().current().dpi), 2);
}

void EditJourneys::cancelDropsSharedSensorEdits()
{
    JourneyRig j;
    j.open();
    QVERIFY(UserInput::press(j.button("dpiTab")));
    QVERIFY(j.commitBy("applyButton"));
    const quint8 angleOnMouse = j.rig.mouse().state().angleOrDebounce;
    const int stored =
        IniReader(j.rig.paths().configFile()).value(QStringLiteral("Config/AngleValue")).toInt();
    auto* other = j.find<QRadioButton>(stored ? "angleSecond" : "angleFirst");
    QVERIFY(UserInput::click(other, onIndicator(other)));
    QVERIFY(other->isChecked());
    QVERIFY(j.button("dpiTab")->isMarked());

    QVERIFY(UserInput::click(j.button("cancelButton")));
    QTRY_VERIFY(!j.window().isVisible());
    j.window().show();
    QVERIFY(!other->isChecked());
    QVERIFY(!j.button("dpiTab")->isMarked());
    QVERIFY(j.commitBy("applyButton"));
    QCOMPARE(j.rig.mouse().state().angleOrDebounce, angleOnMouse);
    QCOMPARE(IniReader(j.rig.paths().configFile()).value(QStringLiteral("Config/AngleValue")).toInt(),
             stored);

    // Without the Cancel the same edit reaches the mouse.
    QVERIFY(UserInput::click(other, onIndicator(other)));
    QVERIFY(j.commitBy("applyButton"));
    QVERIFY(j.rig.mouse().state().angleOrDebounce != angleOnMouse);
}

void EditJourneys::unappliedChangesAreMarkedAndQuittingAsks()
{
    JourneyRig j;
    j.open();
    auto* unsaved = j.rig.find<UnsavedChanges>(QStringLiteral("unsavedChanges"));
    QSignalSpy quit(unsaved, &UnsavedChanges::quitConfirmed);
    // Seen, not obeyed: a quit would end every event loop after this test's.
    QObject::disconnect(unsaved, &UnsavedChanges::quitConfirmed, qApp, nullptr);
    QAction* quitEntry = j.rig.find<QMenu>(QStringLiteral("trayMenu"))->actions().at(1);
    for (const char* tab : {"lightingTab", "customizeTab", "dpiTab", "macroTab"})
        QVERIFY2(!j.button(tab)->isMarked(), tab);

    // Nothing to lose: the program ends without a question.
    quitEntry->trigger();
    QCOMPARE(quit.count(), 1);
    QVERIFY(j.rig.prompts().asked.isEmpty());

    QVERIFY(UserInput::press(j.button("dpiTab")));
    QVERIFY(UserInput::chooseFromMenu(j.find<QPushButton>("rateButton"), QStringLiteral("125 HZ")));
    QVERIFY(j.button("dpiTab")->isMarked());
    QVERIFY(!j.button("lightingTab")->isMarked());
    QVERIFY(j.button("profileSlot1")->isMarked());
    QVERIFY(!j.button("profileSlot2")->isMarked());
    QVERIFY(!j.button("dpiTab")->accessibleDescription().isEmpty());

    // Stay: nothing ends, nothing is sent.
    j.rig.prompts().answer = 2;
    quitEntry->trigger();
    QCOMPARE(j.rig.prompts().offered.size(), 3);
    QCOMPARE(quit.count(), 1);
    QCOMPARE(int(j.rig.mouse().state().pollRate), 1);

    // Apply and quit: the program ends once the mouse has the change.
    j.rig.prompts().answer = 0;
    quitEntry->trigger();
    QTRY_COMPARE(quit.count(), 2);
    QCOMPARE(int(j.rig.mouse().state().pollRate), 8);
    QVERIFY(!j.button("dpiTab")->isMarked());
}

// The receiver pulled out and put back: the profiles in memory and the
// edits not applied stay, unless another program changed the files
// meanwhile, which the window then reads again.
void EditJourneys::aReplugKeepsEditsUnlessTheFilesChanged()
{
    JourneyRig j;
    j.open();
    QVERIFY(UserInput::press(j.button("dpiTab")));
    auto* rate = j.find<QPushButton>("rateButton");
    QVERIFY(UserInput::chooseFromMenu(rate, QStringLiteral("125 HZ")));
    const auto replug = [&j] {
        j.rig.mouse().unplug(VirtualIdentity::Receiver);
        QTRY_COMPARE(j.window().presentModelCount(), 0);
        j.rig.mouse().plug(VirtualIdentity::Receiver);
        QTRY_VERIFY(j.rig.discovery().deviceReady());
        QTRY_VERIFY(j.rig.session().isPolling());
    };
    replug();
    j.waitForPolls();
    QCOMPARE(rate->text(), QStringLiteral("125 HZ"));
    QCOMPARE(int(j.workspace().current().pollrate), 8);
    QVERIFY(j.button("profileSlot1")->isMarked());

    // Another program writes the profile while the mouse is away.
    j.rig.flushFiles();
    const QString path =
        ProfileFiles(j.rig.paths(), j.workspace().modelName()).profilePath(j.workspace().slotName(0));
    ProfileData other = j.workspace().saved().profiles[0];
    other.pollrate = 4;
    other.LedSleepTime = 9;
    j.rig.mouse().unplug(VirtualIdentity::Receiver);
    QTRY_COMPARE(j.window().presentModelCount(), 0);
    QVERIFY(ProfileFiles::saveProfile(other, path).isOk());
    j.rig.mouse().plug(VirtualIdentity::Receiver);
    QTRY_VERIFY(j.rig.discovery().deviceReady());
    QTRY_COMPARE(int(j.workspace().current().LedSleepTime), 9);
    QVERIFY(rate->text() != QStringLiteral("125 HZ"));
}
