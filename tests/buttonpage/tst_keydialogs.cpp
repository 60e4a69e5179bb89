// SPDX-License-Identifier: GPL-3.0-or-later
#include "ButtonPageTests.h"

#include "editors/PageEnvironment.h"
#include "support/ScriptedPrompts.h"
#include "editors/keys/OakComboKeyWindow.h"
#include "editors/keys/OakFireKeyWindow.h"
#include "editors/keys/OakSingleKeyWindow.h"
#include "editors/keys/OakSniperWindow.h"
#include "platform/PlatformServices.h"
#include "platform/fake/FakeKeyboardCapture.h"
#include "storage/ButtonAssignment.h"
#include "widgets/OakPushButton.h"

#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QtTest>

namespace {

// A click on a check box's indicator, where both Qt versions take it.
void clickBox(QWidget* box)
{
    QVERIFY(box);
    QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(box->height() / 2, box->height() / 2));
}

constexpr quint8 kExt = KeyboardCapture::kExtended;

// What a dialog needs around it, with a fake capture (or the system's).
struct DialogRig
{
    explicit DialogRig(bool systemCapture = false)
    {
        model.sensorType = 3212;
        platform.makeKeyboardCapture = [this, systemCapture]() -> std::unique_ptr<KeyboardCapture> {
            if (systemCapture)
                return createKeyboardCapture();
            auto capture = std::make_unique<FakeKeyboardCapture>();
            fake = capture.get();
            return capture;
        };
    }
    // The dialogs only read the skin: the built application directory serves.
    AppPaths paths{QStringLiteral(MOUSECFG_BUILD_APP_DIR)};
    UiSettings ui;
    ModelDescription model;
    PlatformServices platform;
    ScriptedPrompts prompts;
    PageEnvironment environment{ui, model, paths, platform, prompts};
    QPointer<FakeKeyboardCapture> fake;
};

void showAndWait(QWidget& dialog)
{
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    dialog.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&dialog));
}

} // namespace

void TestKeyDialogs::singleKeyNormalises()
{
    DialogRig rig;
    OakSingleKeyWindow dialog(rig.environment);
    showAndWait(dialog);
    QVERIFY(rig.fake && rig.fake->isActive());
    struct Case
    {
        quint16 scan;
        quint8 flags;
        int code;
        const char* name;
    };
    const Case cases[] = {
        {29, kExt, 238, "RCtr"},      {71, 0, 235, "Num 7"}, {71, kExt, 71, "Home"},
        {28, kExt, 229, "Num Enter"}, {28, 0, 28, "Enter"},  {42, 0, 42, "LShift"},
    };
    for (const Case& c : cases) {
        rig.fake->press(c.scan, c.flags);
        QCOMPARE(int(dialog.keyCode()), c.code);
        QCOMPARE(dialog.shownText(), QString::fromUtf8(c.name));
    }
    // The release counts too: the result is the last key touched.
    rig.fake->press(30);
    rig.fake->release(57);
    QCOMPARE(int(dialog.keyCode()), 57);
    dialog.close();
    QVERIFY(!rig.fake->isActive());
}

void TestKeyDialogs::comboTextInSlotOrder()
{
    DialogRig rig;
    OakComboKeyWindow dialog(rig.environment);
    showAndWait(dialog);
    rig.fake->press(29);
    rig.fake->press(29); // a held key repeats
    rig.fake->press(42);
    rig.fake->press(46);
    QCOMPARE(dialog.shownText(), QStringLiteral("LShift + LCtr + C"));
    // Letting go keeps what was held at the last press.
    rig.fake->release(46);
    rig.fake->release(42);
    rig.fake->release(29);
    QCOMPARE(dialog.shownText(), QStringLiteral("LShift + LCtr + C"));
    QCOMPARE(dialog.combination().sentCodes(), QVector<int>({42, 29, 46}));
    // The right Alt arrives as an extended press with Alt held.
    rig.fake->press(56, kExt | KeyboardCapture::kAltDown);
    rig.fake->press(17, KeyboardCapture::kAltDown);
    QCOMPARE(dialog.shownText(), QStringLiteral("LAlt + W"));

    // The preset rebuilds the combination from stored steps.
    OakComboKeyWindow second(rig.environment);
    ButtonAssignment button;
    dialog.combination().writeSteps(button);
    second.preset(button);
    QCOMPARE(second.shownText(), QStringLiteral("LAlt + W"));
}

void TestKeyDialogs::fireKeyFields()
{
    DialogRig rig;
    OakFireKeyWindow dialog(rig.environment);
    showAndWait(dialog);
    auto* times = dialog.findChild<QLineEdit*>(QStringLiteral("timesEdit"));
    auto* delay = dialog.findChild<QLineEdit*>(QStringLiteral("delayEdit"));
    QCOMPARE(times->text(), QStringLiteral("3"));
    QCOMPARE(delay->text(), QStringLiteral("100"));
    QVERIFY(!rig.fake); // "Left": no capture
    clickBox(dialog.findChild<QWidget*>(QStringLiteral("fireKeyboard")));
    QVERIFY(rig.fake && rig.fake->isActive());
    QVERIFY(!dialog.acceptButton()->isEnabled()); // no key yet
    rig.fake->press(30);
    QCOMPARE(dialog.shownKey(), QStringLiteral("A"));
    QVERIFY(dialog.acceptButton()->isEnabled());
    // Typing in "Times:" goes to the field, not to the key.
    times->setFocus();
    QTRY_VERIFY(times->hasFocus());
    times->clear();
    QTest::keyClicks(times, QStringLiteral("5"));
    rig.fake->press(48);
    QCOMPARE(dialog.shownKey(), QStringLiteral("A"));
    QCOMPARE(times->text(), QStringLiteral("5"));
    // Return moves on to the key display; the Return itself is no key.
    QTest::keyClick(times, Qt::Key_Return);
    QVERIFY(rig.fake->isActive());
    rig.fake->release(28);
    QCOMPARE(dialog.shownKey(), QStringLiteral("A"));
    // "4000" does not fit into "Delay:".
    delay->clear();
    QTest::keyClicks(delay, QStringLiteral("4000"));
    QVERIFY(delay->text().toInt() <= 255);
    QVERIFY(delay->text() != QStringLiteral("4000"));
    delay->clear();
    const FireKey fire = dialog.fireKey();
    QCOMPARE(int(fire.keyCode), 30);
    QCOMPARE(fire.times, 5);
    QCOMPARE(fire.delay, 100); // an empty field counts as its default
    // Another target drops the key.
    clickBox(dialog.findChild<QWidget*>(QStringLiteral("fireRight")));
    QCOMPARE(dialog.shownKey(), QString());
    QCOMPARE(int(dialog.fireKey().keyCode), 0);
}

void TestKeyDialogs::sniperPresetCorrected()
{
    DialogRig rig; // sensor 3212
    OakSniperWindow dialog(rig.environment);
    dialog.preset(40);
    QCOMPARE(dialog.level(), 16);
    dialog.preset(20);
    QCOMPARE(dialog.level(), 20);
    QVERIFY(!dialog.shownDpi().isEmpty());
    QVERIFY(dialog.shownDpi().toInt() > 0);
}

void TestKeyDialogs::frenchLabels()
{
    DialogRig rig;
    rig.model.frenchLanguage = 0; // the current language shows French key labels
    OakSingleKeyWindow dialog(rig.environment);
    showAndWait(dialog);
    rig.fake->press(16);
    QCOMPARE(dialog.shownText(), QStringLiteral("a"));
    rig.fake->press(30);
    QCOMPARE(dialog.shownText(), QStringLiteral("q"));
    QCOMPARE(int(dialog.keyCode()), 30);
}

void TestKeyDialogs::noKeyClosesADialog()
{
    DialogRig rig;
    OakComboKeyWindow dialog(rig.environment);
    showAndWait(dialog);
    for (Qt::Key key : {Qt::Key_Escape, Qt::Key_Return, Qt::Key_Enter, Qt::Key_Tab, Qt::Key_Space})
        QTest::keyClick(&dialog, key);
    QVERIFY(dialog.isVisible());
    QCOMPARE(dialog.result(), 0);
    QCOMPARE(dialog.acceptButton()->focusPolicy(), Qt::NoFocus);
    // The mouse still answers.
    QTest::mouseClick(dialog.acceptButton(), Qt::LeftButton);
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
}

void TestKeyDialogs::linuxCaptureThroughTheDialog()
{
#ifdef Q_OS_LINUX
    DialogRig rig(true);
    OakSingleKeyWindow dialog(rig.environment);
    showAndWait(dialog);
    QWindow* window = dialog.windowHandle();
    // Native scan codes as X11 and Wayland give them: the evdev code plus 8.
    auto send = [window](QEvent::Type type, int qtKey, quint32 evdev, Qt::KeyboardModifiers mods = {}) {
        QKeyEvent event(type, qtKey, mods, evdev + 8, 0, 0);
        QCoreApplication::sendEvent(window, &event);
    };
    send(QEvent::KeyPress, Qt::Key_Escape, 1);
    QCOMPARE(int(dialog.keyCode()), 1);
    QVERIFY(dialog.isVisible());
    send(QEvent::KeyRelease, Qt::Key_Escape, 1);
    send(QEvent::KeyPress, Qt::Key_Return, 28);
    QCOMPARE(int(dialog.keyCode()), 28);
    QVERIFY(dialog.isVisible());
    send(QEvent::KeyPress, Qt::Key_Shift, 42, Qt::ShiftModifier);
    QCOMPARE(dialog.shownText(), QStringLiteral("LShift"));
    // A French layout's Qt key differs; the scan code decides.
    send(QEvent::KeyPress, Qt::Key_A, 16);
    QCOMPARE(int(dialog.keyCode()), 16);
    send(QEvent::KeyPress, Qt::Key_Control, 97);
    QCOMPARE(dialog.shownText(), QStringLiteral("RCtr"));
    send(QEvent::KeyPress, Qt::Key_Enter, 96);
    QCOMPARE(int(dialog.keyCode()), 229);
    dialog.close();
    // Once closed, keys reach the window as usual.
    send(QEvent::KeyPress, Qt::Key_B, 48);
    QCOMPARE(int(dialog.keyCode()), 229);
#else
    QSKIP("the Linux capture");
#endif
}
