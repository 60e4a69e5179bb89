// SPDX-License-Identifier: GPL-3.0-or-later
#include "MacroJourneys.h"

#include "JourneyRig.h"
#include "editors/buttons/OakBtnWindow.h"
#include "editors/macro/MacroDialog.h"
#include "platform/fake/FakeKeyboardCapture.h"
#include "protocol/FunctionTable.h"
#include "protocol/MacroImage.h"
#include "storage/MacroFiles.h"

#include <QApplication>
#include <QDialog>
#include <QListWidget>
#include <QMenu>
#include <QTableWidget>

namespace {

constexpr quint16 kScanA = 30;

MacroDialog* macroPage(JourneyRig& j)
{
    return j.find<MacroDialog>("macroPage");
}

// On the macro tab: NEW, then START, "a" pressed and released, STOP.
QString recordNewMacro(JourneyRig& j)
{
    UserInput::press(j.button("macroTab"));
    UserInput::click(j.button("newMacroButton"));
    const QString name = macroPage(j)->shownMacro();
    UserInput::click(j.button("startButton"));
    FakeKeyboardCapture* keys = j.rig.keyboardCaptures().last();
    keys->press(kScanA);
    keys->release(kScanA);
    UserInput::click(j.button("stopButton"));
    return name;
}

void chooseInList(JourneyRig& j, const QString& name)
{
    auto* list = j.find<QListWidget>("macroList");
    const QList<QListWidgetItem*> items = list->findItems(name, Qt::MatchExactly);
    QVERIFY(!items.isEmpty());
    QVERIFY(UserInput::click(list->viewport(), list->visualItemRect(items.first()).center()));
}

// On the button tab: the button's label, the menu's macro entry, and in the
// dialog that follows the macro's name and OK.
void bindMacro(JourneyRig& j, int record, const QString& macro)
{
    QVERIFY(UserInput::press(j.button("customizeTab")));
    auto* page = j.find<OakBtnWindow>("buttonPage");
    QVERIFY(UserInput::click(page->labelButton(record)));
    auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
    QVERIFY(menu);
    UserInput::whenDialogOpens([macro](QDialog* dialog) {
        auto* names = dialog->findChild<QMenu*>(QStringLiteral("macroMenu"));
        for (QAction* action : names->actions())
            if (action->text() == macro)
                action->trigger();
        QVERIFY(UserInput::click(dialog->findChild<QWidget*>(QStringLiteral("msgBoxYesBtn"))));
    });
    // The catalogue is longer than a small screen: the entry is taken with
    // the keys, as a user whose pointer cannot reach it would.
    menu->setActiveAction(page->action(FunctionTable::Macro));
    QTest::keyClick(menu, Qt::Key_Return);
    QCOMPARE(j.workspace().current().buttons[record].macroname, macro);
}

QByteArray slotBytes(JourneyRig& j, int slot)
{
    // The mouse's state is a copy taken now: it is kept while its bytes are read.
    const auto state = j.rig.mouse().state();
    const auto& bytes = state.macroSlots[size_t(slot)];
    return QByteArray(reinterpret_cast<const char*>(bytes.data()), MacroImage::kStoredBytes);
}

QByteArray imageOf(const QVector<MacroEvent>& events)
{
    QByteArray image = MacroImage::slotImage(events).left(MacroImage::kStoredBytes);
    image.append(QByteArray(MacroImage::kStoredBytes - image.size(), '\0'));
    return image;
}

} // namespace

void MacroJourneys::editsOutlastASwitchOfMacroAndApplySendsWhatTheEditorShows()
{
    JourneyRig j;
    j.open();
    const QString name = recordNewMacro(j);
    const MacroFiles files(j.rig.paths());
    QCOMPARE(files.readEvents(name).size(), 2);
    QVERIFY(!j.button("macroTab")->isMarked());

    // A delay after the release: an edit the file does not have yet.
    QVERIFY(UserInput::click(j.button("insertDelayButton")));
    const QVector<MacroEvent> shown = macroPage(j)->steps().events();
    QCOMPARE(shown.size(), 3);
    QVERIFY(j.button("macroTab")->isMarked());

    // Another macro, then back: the edit is still there.
    QVERIFY(UserInput::click(j.button("newMacroButton")));
    QVERIFY(macroPage(j)->shownMacro() != name);
    QCOMPARE(j.find<QTableWidget>("stepTable")->rowCount(), 0);
    chooseInList(j, name);
    QCOMPARE(macroPage(j)->steps().events(), shown);
    QCOMPARE(files.readEvents(name).size(), 2);

    bindMacro(j, 4, name);
    QVERIFY(j.commitBy("applyButton"));
    QCOMPARE(files.readEvents(name), shown);
    QCOMPARE(slotBytes(j, 0), imageOf(shown));
    QVERIFY(!j.button("macroTab")->isMarked());
}

void MacroJourneys::deletingABoundMacroAsksAndReleasesItsButtons()
{
    JourneyRig j;
    j.open();
    const ButtonAssignment factory = j.workspace().current().buttons[4];
    const QString name = recordNewMacro(j);
    bindMacro(j, 4, name);
    QVERIFY(j.commitBy("applyButton"));
    QVERIFY(j.rig.mouse().state().macroPartsWritten[0] != 0);
    ScriptedPrompts& prompts = j.rig.prompts();

    // Declined: the macro and the binding stay.
    QVERIFY(UserInput::press(j.button("macroTab")));
    chooseInList(j, name);
    prompts.confirm = false;
    QVERIFY(UserInput::click(j.button("deleteMacroButton")));
    QCOMPARE(prompts.asked.size(), 1);
    QVERIFY(prompts.asked.first().endsWith(
        QStringLiteral(": 1. Delete it and give those buttons their factory function?")));
    QVERIFY(MacroFiles(j.rig.paths()).exists(name));

    // Confirmed: the button gets its factory function back, on the page too.
    prompts.confirm = true;
    QVERIFY(UserInput::click(j.button("deleteMacroButton")));
    QVERIFY(!MacroFiles(j.rig.paths()).exists(name));
    QVERIFY(j.workspace().current().buttons[4] == factory);
    QVERIFY(j.find<OakBtnWindow>("buttonPage")->labelButton(4)->text() != name);
    QVERIFY(j.button("customizeTab")->isMarked());

    // Cancelled, the set binds the gone macro again; the next apply still
    // sends no empty macro in its name.
    QVERIFY(UserInput::click(j.button("cancelButton")));
    QCOMPARE(j.workspace().current().buttons[4].macroname, name);
    j.window().show();
    j.rig.mouse().clearTrace();
    QVERIFY(j.commitBy("applyButton"));
    QVERIFY(j.workspace().current().buttons[4] == factory);
    for (const TraceRecord& record : j.rig.mouse().trace()) {
        if (record.direction != TraceRecord::Written || record.bytes.size() < 2)
            continue;
        const quint8 command = quint8(record.bytes.at(1));
        QVERIFY2(command < 0x10 || command > 0x7B, "a macro slot was written");
    }
}
