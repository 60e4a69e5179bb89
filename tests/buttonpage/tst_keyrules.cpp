// SPDX-License-Identifier: GPL-3.0-or-later
#include "ButtonPageTests.h"

#include "platform/EvdevKeyMap.h"
#include "protocol/ButtonCatalogue.h"
#include "protocol/ComboKeys.h"
#include "protocol/FireKey.h"
#include "protocol/SniperLevels.h"
#include "storage/ButtonAssignment.h"

#include <QtTest>

namespace {

struct Row
{
    int evdev;
    int code;
    bool extended;
};

QVector<int> functionsOf(const QVector<ButtonCatalogue::MenuEntry>& menu)
{
    QVector<int> out;
    for (const auto& entry : menu)
        out << (entry.function ? entry.function : -1);
    return out;
}

} // namespace

void TestKeyRules::evdevTable()
{
    // Every exception row, then plain rows from each block and the edges.
    const Row rows[] = {
        {69, 0x45, true},
        {119, 0x45, false},
        {99, 0x37, true},
        {55, 0x37, false},
        {96, 0x1C, true},
        {97, 0x1D, true},
        {98, 0x35, true},
        {100, 0x38, true},
        {102, 0x47, true},
        {103, 0x48, true},
        {104, 0x49, true},
        {105, 0x4B, true},
        {106, 0x4D, true},
        {107, 0x4F, true},
        {108, 0x50, true},
        {109, 0x51, true},
        {110, 0x52, true},
        {111, 0x53, true},
        {125, 0x5B, true},
        {126, 0x5C, true},
        {127, 0x5D, true},
        // plain: Esc, Enter, left Ctrl, A, left Shift, keypad 7, keypad ., F11, F12
        {1, 1, false},
        {28, 28, false},
        {29, 29, false},
        {30, 30, false},
        {42, 42, false},
        {71, 71, false},
        {83, 83, false},
        {87, 87, false},
        {88, 88, false},
    };
    for (const Row& row : rows) {
        const EvdevKeyMap::ScanCode scan = EvdevKeyMap::toScanCode(row.evdev);
        QVERIFY2(scan.code == row.code && scan.extended == row.extended,
                 qPrintable(QString::number(row.evdev)));
    }
    // Codes in the gaps and beyond have no scan code.
    for (int evdev : {0, 84, 85, 86, 89, 95, 101, 112, 128, 240, -8})
        QCOMPARE(int(EvdevKeyMap::toScanCode(evdev).code), 0);
    QCOMPARE(EvdevKeyMap::fromNativeScanCode(9), 1); // X11 keycode 9 is Esc
}

void TestKeyRules::menusInOrder()
{
    const QVector<int> full = {1, 2, 3, 4, 5, -1, -1, -1, -1, -1, -1, 200, 54, 16};
    QCOMPARE(functionsOf(ButtonCatalogue::mainMenu(false, false)), full);
    QCOMPARE(functionsOf(ButtonCatalogue::mainMenu(true, false)),
             QVector<int>({1, 2, 3, 4, 5, -1, -1, -1, -1, -1, -1, 54, 16}));
    QCOMPARE(functionsOf(ButtonCatalogue::mainMenu(false, true)),
             QVector<int>({1, 2, 3, 4, 5, -1, -1, -1, -1, -1, -1, 200, 16}));
    const auto menu = ButtonCatalogue::mainMenu(false, false);
    QStringList titles;
    for (int i = 5; i <= 10; ++i)
        titles << QString::fromLatin1(menu[i].submenu);
    QCOMPARE(titles, QStringList({"Basic", "Windows", "Advance", "Media", "DPI", "Polling Rate"}));
    QCOMPARE(menu[7].submenuFunctions, QVector<int>({6, 7, 12})); // sniper is built, not listed
    QCOMPARE(menu[6].submenuFunctions.last(), 62);                // "Boss Key" ends "Windows"
    QCOMPARE(menu[10].submenuFunctions, QVector<int>({63, 50, 51}));
    QCOMPARE(ButtonCatalogue::wheelMenu(), QVector<int>({52, 53, 43, 44, 1, 2, 3, 4, 5, 6, 7}));
}

void TestKeyRules::leftClickGuard()
{
    ButtonAssignment buttons[ButtonCatalogue::kRecords];
    buttons[0].Fun = 1;
    buttons[1].Fun = 2;
    QVERIFY(!ButtonCatalogue::keepsLeftClick(buttons, 0, 2)); // the only left click
    QVERIFY(ButtonCatalogue::keepsLeftClick(buttons, 0, 1));  // "Left" again
    QVERIFY(ButtonCatalogue::keepsLeftClick(buttons, 1, 16)); // another button
    buttons[2].Fun = 1;
    QVERIFY(ButtonCatalogue::keepsLeftClick(buttons, 0, 16));
    // A left click on a wheel or side record counts as well.
    buttons[2].Fun = 3;
    buttons[41].Fun = 1;
    QVERIFY(ButtonCatalogue::keepsLeftClick(buttons, 0, 200));
}

void TestKeyRules::labels()
{
    ButtonAssignment button;
    button.Fun = 57;
    QCOMPARE(ButtonCatalogue::label(3, button), QStringLiteral("Profile +")); // offered nowhere
    button.Fun = 52;
    QCOMPARE(ButtonCatalogue::label(3, button), QString());
    QCOMPARE(ButtonCatalogue::label(25, button), QString());
    QCOMPARE(ButtonCatalogue::label(40, button), QStringLiteral("Scroll Up"));
    button.Fun = 53;
    QCOMPARE(ButtonCatalogue::label(41, button), QStringLiteral("Scroll Down"));
    button.macroname = QStringLiteral("recoil");
    for (int code : {200, 510}) {
        button.Fun = code;
        QCOMPARE(ButtonCatalogue::label(5, button), QStringLiteral("recoil"));
    }
    button.Fun = 99;
    QCOMPARE(ButtonCatalogue::label(5, button), QString());
}

void TestKeyRules::comboSlotsAndSteps()
{
    // Ctrl and Shift held, then C: shown in slot order, not press order.
    ComboKeys combo;
    combo.press(29);
    combo.press(42);
    combo.press(46);
    QCOMPARE(combo.shownCodes(), QVector<int>({42, 29, 46}));
    // Right Shift is shown and sent as the left one.
    ComboKeys right;
    right.press(54);
    right.press(46);
    QCOMPARE(right.shownCodes(), QVector<int>({42, 46}));
    ButtonAssignment button;
    for (MacroEvent& step : button.KeyInfo)
        step = MacroEvent{9, 9, 9}; // old steps must go
    right.writeSteps(button);
    const MacroEvent expected[] = {
        {0xE1, 0x05, 0x80}, {0x06, 0x05, 0x80}, {0x06, 0x05, 0x00}, {0xE1, 0x05, 0x00}};
    for (int i = 0; i < 4; ++i)
        QVERIFY2(button.KeyInfo[i] == expected[i], qPrintable(QString::number(i)));
    for (int i = 4; i < ButtonAssignment::kSteps; ++i)
        QVERIFY(button.KeyInfo[i] == MacroEvent());
    // Both Shifts held: shown as the right one; releasing one keeps the other.
    ComboKeys both;
    both.press(42);
    both.press(54);
    QCOMPARE(both.shownCodes(), QVector<int>({54}));
    both.release(42);
    QCOMPARE(int(both.slot(ComboKeys::Shift)), 2);
    // A release without its press (held when the dialog opened) sets nothing.
    ComboKeys stray;
    stray.release(56);
    QVERIFY(stray.isEmpty());
    // The stored steps give the combination back.
    const ComboKeys back = ComboKeys::fromSteps(button);
    QCOMPARE(back.sentCodes(), QVector<int>({42, 46}));
    ButtonAssignment empty;
    ComboKeys().writeSteps(empty);
    QVERIFY(ComboKeys::fromSteps(empty).isEmpty());
}

void TestKeyRules::fireKeyRecord()
{
    ButtonAssignment button;
    FireKey fire;
    fire.target = FireKey::Middle;
    fire.times = 3;
    fire.delay = 100;
    fire.writeTo(button);
    QCOMPARE(button.Fun, 12);
    QCOMPARE(int(button.Res1), 0x84);
    QCOMPARE(button.LoopNumber, 3);
    QCOMPARE(button.KeyNumber, 100);
    // A keyboard target is stored as its HID usage and read back as its key.
    fire.target = FireKey::KeyboardKey;
    fire.keyCode = 30; // A
    fire.writeTo(button);
    QCOMPARE(int(button.Res1), 0x04);
    const FireKey back = FireKey::fromRecord(button);
    QCOMPARE(back.target, FireKey::KeyboardKey);
    QCOMPARE(int(back.keyCode), 30);
    // A record without values presets the defaults; Res1 0 is "Left".
    const FireKey fresh = FireKey::fromRecord(ButtonAssignment());
    QCOMPARE(fresh.target, FireKey::Left);
    QCOMPARE(fresh.times, 3);
    QCOMPARE(fresh.delay, 10);
    button.Res1 = 0x82;
    QCOMPARE(FireKey::fromRecord(button).target, FireKey::Right);
}

void TestKeyRules::sniperLevels()
{
    const SniperLevels s3212 = SniperLevels::forSensor(3212);
    QCOMPARE(s3212.minLevel, 16);
    QCOMPARE(s3212.maxLevel, 32);
    QCOMPARE(s3212.corrected(40), 16);
    QCOMPARE(s3212.corrected(17), 17);
    QCOMPARE(s3212.corrected(16), 16);
    QCOMPARE(SniperLevels::forSensor(3104).corrected(14), 14);
    QCOMPARE(SniperLevels::forSensor(3104).corrected(27), 14);
    QCOMPARE(SniperLevels::forSensor(3389).corrected(1), 6);
    QCOMPARE(SniperLevels::forSensor(3333).minLevel, 2);
    QCOMPARE(SniperLevels::forSensor(3335).minLevel, 1);
    QCOMPARE(SniperLevels::forSensor(3327).corrected(0), 3);
    QVERIFY(!SniperLevels::forSensor(9999).known);
    QCOMPARE(SniperLevels::forSensor(9999).corrected(77), 77);
}
