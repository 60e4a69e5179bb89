// SPDX-License-Identifier: GPL-3.0-or-later
#include "ButtonPageTests.h"

#include "app/CommitController.h"
#include "editors/buttons/MarkerButton.h"
#include "editors/buttons/MousePictureView.h"
#include "editors/buttons/OakBtnWindow.h"
#include "protocol/FunctionTable.h"
#include "storage/MacroFiles.h"
#include "storage/MacroList.h"
#include "storage/ProfileWorkspace.h"
#include "support/WindowRig.h"
#include "widgets/OakPushButton.h"

#include <QApplication>
#include <QCheckBox>
#include <QDialog>
#include <QLineEdit>
#include <QMenu>
#include <QSignalSpy>
#include <QtTest>

#include <functional>

namespace {

OakBtnWindow* buttonPage(WindowRig& rig)
{
    return rig.find<OakBtnWindow>(QStringLiteral("buttonPage"));
}

ButtonAssignment& record(WindowRig& rig, int index)
{
    return rig.workspace().current().buttons[index];
}

void refresh(WindowRig& rig)
{
    buttonPage(rig)->refresh(rig.workspace().current(), rig.workspace().working());
}

// Chooses a catalogue entry for a button as the menu does; `drive` works the
// dialog the entry opens, while it runs.
void choose(WindowRig& rig, int index, int function, std::function<void(QDialog*)> drive = {})
{
    OakBtnWindow* page = buttonPage(rig);
    page->selectRecord(index);
    if (drive) {
        QTimer::singleShot(0, [drive] {
            auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
            QVERIFY(dialog);
            drive(dialog);
        });
    }
    page->action(function)->trigger();
}

void click(QDialog* dialog, const char* objectName)
{
    auto* widget = dialog->findChild<QWidget*>(QLatin1String(objectName));
    QVERIFY(widget);
    QTest::mouseClick(widget, Qt::LeftButton, {}, QPoint(widget->height() / 2, widget->height() / 2));
}

FakeKeyboardCapture* newestCapture(WindowRig& rig)
{
    return rig.keyboardCaptures().isEmpty() ? nullptr : rig.keyboardCaptures().last().data();
}

QStringList menuTexts(const QMenu* menu)
{
    QStringList texts;
    for (const QAction* action : menu->actions())
        texts << action->text();
    return texts;
}

} // namespace

void TestButtonPage::menusFollowTheModel()
{
    {
        WindowRig rig;
        rig.open();
        OakBtnWindow* page = buttonPage(rig);
        QCOMPARE(menuTexts(page->mainMenu()),
                 QStringList({"Left", "Right", "Middle", "Forward", "Back", "Basic", "Windows", "Advance",
                              "Media", "DPI", "Polling Rate", "Macro Manager", "Led Switch", "Button Off"}));
        QCOMPARE(menuTexts(page->wheelMenu()),
                 QStringList({"Scroll Up", "Scroll Down", "Volume Up", "Volume Down", "Left", "Right",
                              "Middle", "Forward", "Back", "SINGLE KEY", "COMBO KEY"}));
        const auto* advance = page->mainMenu()->findChild<QMenu*>(QStringLiteral("menuAdvance"));
        QCOMPARE(menuTexts(advance), QStringList({"SINGLE KEY", "COMBO KEY", "FIRE KEY"}));
        // The main menu belongs to the front and side labels, the wheel menu to the wheel's.
        page->labelButton(2)->click();
        QTRY_VERIFY(page->mainMenu()->isVisible());
        page->mainMenu()->close();
        page->labelButton(41)->click();
        QTRY_VERIFY(page->wheelMenu()->isVisible());
        page->wheelMenu()->close();
    }
    {
        WindowRig rig;
        QString description = QString::fromLatin1([&] {
            QFile file(rig.paths().productDescriptionFile());
            file.open(QIODevice::ReadOnly);
            return file.readAll();
        }());
        description.replace(QStringLiteral("DisableMacro=0"), QStringLiteral("DisableMacro=1"));
        description.replace(QStringLiteral("ledDisable=0"), QStringLiteral("ledDisable=1"));
        description.replace(QStringLiteral("BUTTON_INFO_2_Matrix2=0"), QStringLiteral("BUTTON_INFO_2_Matrix2=-1"));
        rig.dir().writeFile(QStringLiteral("DefaultProfile.bin"), description.toLatin1());
        rig.open();
        OakBtnWindow* page = buttonPage(rig);
        page->retranslate();
        const QStringList texts = menuTexts(page->mainMenu());
        QVERIFY(!texts.contains(QStringLiteral("Macro Manager")));
        QVERIFY(!texts.contains(QStringLiteral("Led Switch")));
        QCOMPARE(texts.last(), QStringLiteral("Button Off"));

        // An entry of -1 hides its button; the rows after it close up and are
        // numbered on, on the labels and on the picture alike.
        auto* pictures = rig.find<MousePictureView>(QStringLiteral("mousePictures"));
        QVERIFY(page->labelButton(2)->isHidden());
        QVERIFY(!pictures->marker(2));
        QCOMPARE(page->views().number(3), 3);
        QCOMPARE(pictures->marker(3)->text(), QStringLiteral("3"));
        // Seven rows share a 400 px page evenly: (400 - 7 x 30) / 8 = 23.
        page->resize(664, 400);
        page->rescale(); // as the window does after placing its pages
        QCOMPARE(page->labelButton(0)->y(), 23);
        QCOMPARE(page->labelButton(3)->y(), 23 + 2 * (23 + 30));
        QCOMPARE(page->labelButton(7)->y(), 23 + 6 * (23 + 30));
    }
}

void TestButtonPage::guardAndPlainEntries()
{
    WindowRig rig;
    rig.open();
    OakBtnWindow* page = buttonPage(rig);
    for (int i = 0; i < 42; ++i)
        record(rig, i).Fun = i == 0 ? 1 : 3;
    refresh(rig);
    const QStringList& told = rig.prompts().told;
    QSignalSpy edited(page, &EditorPage::edited);
    choose(rig, 0, 2);
    QCOMPARE(record(rig, 0).Fun, 1);
    QCOMPARE(told, QStringList{QStringLiteral("AT LEAST ONE CLICK FUNCTION TO BE RETAINED.")});
    QCOMPARE(rig.prompts().titles, QStringList{QString()}); // "Warning"
    QCOMPARE(edited.count(), 0);
    choose(rig, 0, 1);
    QCOMPARE(told.size(), 1);
    // With a second left click, the first may go; plain entries touch nothing else.
    record(rig, 2).Fun = 1;
    record(rig, 0).Res1 = 77;
    record(rig, 0).LoopNumber = 5;
    choose(rig, 0, 18);
    QCOMPARE(record(rig, 0).Fun, 18);
    QCOMPARE(int(record(rig, 0).Res1), 77);
    QCOMPARE(record(rig, 0).LoopNumber, 5);
    QCOMPARE(page->labelButton(0)->text(), QStringLiteral("Copy"));
    QVERIFY(edited.count() >= 1);
    QCOMPARE(page->selectedRecord(), -1);
}

void TestButtonPage::labelsAndViews()
{
    WindowRig rig;
    rig.open();
    OakBtnWindow* page = buttonPage(rig);
    auto* pictures = rig.find<MousePictureView>(QStringLiteral("mousePictures"));
    QVERIFY(pictures);
    record(rig, 3).Fun = 57;
    record(rig, 1).Fun = 52;
    record(rig, 40).Fun = 52;
    record(rig, 5).Fun = 510;
    record(rig, 5).macroname = QStringLiteral("recoil");
    refresh(rig);
    QCOMPARE(page->labelButton(3)->text(), QStringLiteral("Profile +"));
    QVERIFY(page->labelButton(1)->text() != QStringLiteral("Scroll Up"));
    QCOMPARE(page->labelButton(40)->text(), QStringLiteral("Scroll Up"));
    QCOMPARE(page->labelButton(5)->text(), QStringLiteral("recoil"));

    // Front view: the eight buttons and the wheel, rows top to bottom, not overlapping.
    page->show();
    QVERIFY(!page->labelButton(0)->isHidden());
    QVERIFY(!page->labelButton(41)->isHidden());
    QVERIFY(page->labelButton(8)->isHidden());
    QVERIFY(page->labelButton(20)->isHidden());
    for (int i = 0; i + 1 < 8; ++i)
        QVERIFY(page->labelButton(i)->geometry().bottom() < page->labelButton(i + 1)->geometry().top());

    // A marker selects its button; a label under the pointer lights its marker.
    QVERIFY(pictures->marker(3));
    pictures->marker(3)->click();
    QCOMPARE(page->selectedRecord(), 3);
    QVERIFY(pictures->marker(3)->isHighlighted());
    Q_EMIT page->labelButton(6)->OverSignal(page->labelButton(6), true);
    QVERIFY(pictures->marker(6)->isHighlighted());
    QCOMPARE(pictures->shownPicture(), QStringLiteral("mouse_7.png"));
    Q_EMIT page->labelButton(6)->OverSignal(page->labelButton(6), false);
    QVERIFY(!pictures->marker(6)->isHighlighted());
    QCOMPARE(pictures->shownPicture(), QStringLiteral("Mouse.png"));

    // The side view shows the buttons seen from the side, with their numbers.
    rig.find<OakPushButton>(QStringLiteral("sideViewButton"))->click();
    QCOMPARE(page->view(), MouseMarkers::Side);
    QCOMPARE(pictures->shownPicture(), QStringLiteral("_Side.png"));
    QVERIFY(!pictures->marker(1));  // the right button is not seen from the side
    QVERIFY(!pictures->marker(40)); // nor the wheel markers
    QVERIFY(page->labelButton(1)->isHidden());
    QVERIFY(page->labelButton(40)->isHidden());
    QVERIFY(!page->labelButton(7)->isHidden());
    QCOMPARE(pictures->marker(7)->text(), QString::number(page->views().number(7)));
    rig.find<OakPushButton>(QStringLiteral("frontViewButton"))->click();
    QCOMPARE(page->view(), MouseMarkers::Front);
    QVERIFY(pictures->marker(40));
}

void TestButtonPage::macroBinding()
{
    WindowRig rig;
    rig.open();
    OakBtnWindow* page = buttonPage(rig);
    QSignalSpy pages(page, &EditorPage::pageRequested);
    const ButtonAssignment before = record(rig, 4);
    choose(rig, 4, 200);
    QCOMPARE(pages.count(), 1);
    QCOMPARE(pages.first().first().toInt(), 3);
    QVERIFY(record(rig, 4) == before);

    MacroRecord macro;
    macro.name = QStringLiteral("burst");
    macro.events = {MacroEvent::keyPress(0x04), MacroEvent::delay(5), MacroEvent::keyRelease(0x04)};
    MacroFiles files(rig.paths());
    QVERIFY(files.save(macro).isOk());
    QVERIFY(MacroList(rig.paths()).add(macro.name).isOk());
    // "OK" waits for a macro; "Left Button Macro" overrides the loop fields.
    choose(rig, 4, 200, [](QDialog* dialog) {
        auto* ok = dialog->findChild<QWidget*>(QStringLiteral("msgBoxYesBtn"));
        QVERIFY(!ok->isEnabled());
        auto* menu = dialog->findChild<QMenu*>(QStringLiteral("macroMenu"));
        QCOMPARE(menu->actions().size(), 1);
        menu->actions().first()->trigger();
        QVERIFY(ok->isEnabled());
        dialog->findChild<QLineEdit*>(QStringLiteral("macroLoops"))->setText(QStringLiteral("9"));
        click(dialog, "macroMode2");
        click(dialog, "macroMode3");
        QVERIFY(!dialog->findChild<QCheckBox*>(QStringLiteral("macroMode2"))->isChecked());
        click(dialog, "msgBoxYesBtn");
    });
    const ButtonAssignment& bound = record(rig, 4);
    QCOMPARE(bound.Fun, 200);
    QCOMPARE(bound.macroname, QStringLiteral("burst"));
    QCOMPARE(int(bound.Res2), 1);
    QCOMPARE(int(bound.Res1), 0);
    QCOMPARE(bound.LoopNumber, 1);
    QCOMPARE(bound.KeyNumber, 3);
    QVERIFY(bound.KeyInfo[0] == MacroEvent::keyPress(0x04));
    QVERIFY(bound.KeyInfo[2] == MacroEvent::keyRelease(0x04));
    QCOMPARE(page->labelButton(4)->text(), QStringLiteral("burst"));
}

void TestButtonPage::dialogsWriteTheRecord()
{
    WindowRig rig;
    rig.open();
    // Fire key on "Middle" with the default fields.
    choose(rig, 5, 12, [](QDialog* dialog) {
        click(dialog, "fireMiddle");
        click(dialog, "msgBoxYesBtn");
    });
    QCOMPARE(record(rig, 5).Fun, 12);
    QCOMPARE(int(record(rig, 5).Res1), 0x84);
    QCOMPARE(record(rig, 5).LoopNumber, 3);
    QCOMPARE(record(rig, 5).KeyNumber, 100);
    QCOMPARE(buttonPage(rig)->labelButton(5)->text(), QStringLiteral("FIRE KEY"));

    // A single key: the right Ctrl.
    choose(rig, 6, 6, [&rig](QDialog* dialog) {
        newestCapture(rig)->press(29, KeyboardCapture::kExtended);
        click(dialog, "msgBoxYesBtn");
    });
    QCOMPARE(record(rig, 6).Fun, 6);
    QCOMPARE(int(record(rig, 6).Res1), 238);

    // Cancel changes nothing.
    const ButtonAssignment before = record(rig, 6);
    choose(rig, 6, 7, [&rig](QDialog* dialog) {
        newestCapture(rig)->press(30);
        click(dialog, "msgBoxNoBtn");
    });
    QVERIFY(record(rig, 6) == before);

    // A combination of right Shift and C is sent with the left Shift.
    choose(rig, 7, 7, [&rig](QDialog* dialog) {
        newestCapture(rig)->press(54);
        newestCapture(rig)->press(46);
        click(dialog, "msgBoxYesBtn");
    });
    const ButtonAssignment& combo = record(rig, 7);
    QCOMPARE(combo.Fun, 7);
    QVERIFY(combo.KeyInfo[0] == (MacroEvent{0xE1, 0x05, 0x80}));
    QVERIFY(combo.KeyInfo[1] == (MacroEvent{0x06, 0x05, 0x80}));
    QVERIFY(combo.KeyInfo[2] == (MacroEvent{0x06, 0x05, 0x00}));
    QVERIFY(combo.KeyInfo[3] == (MacroEvent{0xE1, 0x05, 0x00}));
    QVERIFY(combo.KeyInfo[4] == MacroEvent());
}

void TestButtonPage::appliedToTheMouse()
{
    WindowRig rig;
    rig.open();
    // Ctrl+C on the middle side button (slot 3), "Profile +" on the rear one (slot 4).
    choose(rig, 3, 7, [&rig](QDialog* dialog) {
        newestCapture(rig)->press(29);
        newestCapture(rig)->press(46);
        newestCapture(rig)->release(46);
        newestCapture(rig)->release(29);
        click(dialog, "msgBoxYesBtn");
    });
    choose(rig, 4, 57);
    QCOMPARE(buttonPage(rig)->labelButton(4)->text(), QStringLiteral("Profile +"));
    auto* commit = rig.find<CommitController>(QStringLiteral("commitController"));
    QVERIFY(commit);
    QSignalSpy committed(commit, &CommitController::committed);
    QVERIFY(commit->apply());
    QTRY_COMPARE_WITH_TIMEOUT(committed.count(), 1, 30000);
    const OnBoardState state = rig.mouse().state();
    const std::array<quint8, 4> combo{0x8F, 0x01, 0x06, 0x00};
    QCOMPARE(state.buttonSlots[3], combo);
    quint8 profileUp[4];
    QVERIFY(FunctionTable::lookup(57, profileUp));
    const std::array<quint8, 4> expected{profileUp[0], profileUp[1], profileUp[2], profileUp[3]};
    QCOMPARE(state.buttonSlots[4], expected);
}
