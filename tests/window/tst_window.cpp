// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/LatencyProbe.h"
#include "app/MousecfgWidget.h"
#include "app/ProfileOperations.h"
#include "device/DeviceSession.h"
#include "protocol/DpiRule.h"
#include "protocol/StatusDisplay.h"
#include "storage/AppConfig.h"
#include "storage/ProfileWorkspace.h"
#include "support/WindowRig.h"
#include "widgets/OakBatteryBar.h"
#include "widgets/OakLabel.h"
#include "widgets/OakLineEdit.h"
#include "widgets/OakMessageBox.h"
#include "widgets/OakPushButton.h"

#include <QAccessible>
#include <QCheckBox>
#include <QDesktopServices>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QtTest>

namespace {

VirtualMouseOptions plugged(bool receiver, bool cable = false)
{
    VirtualMouseOptions options;
    options.receiverPlugged = receiver;
    options.cablePlugged = cable;
    return options;
}

void editProductDescription(const WindowRig& rig, const QByteArray& from, const QByteArray& to)
{
    QFile file(rig.dir().path() + QStringLiteral("/DefaultProfile.bin"));
    QVERIFY(file.open(QIODevice::ReadOnly));
    QByteArray text = file.readAll();
    file.close();
    QVERIFY(text.contains(from));
    text.replace(from, to);
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(text);
}

OakPushButton* button(const WindowRig& rig, const char* name)
{
    return rig.find<OakPushButton>(QLatin1String(name));
}

QString accessibleName(QWidget* widget)
{
    QAccessibleInterface* face = QAccessible::queryAccessibleInterface(widget);
    return face ? face->text(QAccessible::Name) : QString();
}

// Takes the URLs the desktop would open.
class UrlCatcher : public QObject
{
    Q_OBJECT
public:
    QList<QUrl> opened;
public Q_SLOTS:
    void open(const QUrl& url) { opened << url; }
};

} // namespace

class TestWindow : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void tabsShowTheirPagesAndLightingFallsBackWithoutLighting()
    {
        WindowRig rig(WindowRig::unplugged());
        MousecfgWidget& window = rig.open();
        QCOMPARE(window.shownTab(), 0);
        QTest::mousePress(button(rig, "dpiTab"), Qt::LeftButton);
        QCOMPARE(window.shownTab(), 2);
        QVERIFY(button(rig, "dpiTab")->isHighlighted());
        QVERIFY(!button(rig, "lightingTab")->isHighlighted());
        QVERIFY(rig.find<QWidget>(QStringLiteral("dpiPage"))->isVisibleTo(&window));
        QVERIFY(!rig.find<QWidget>(QStringLiteral("macroPage"))->isVisibleTo(&window));
        QTest::mousePress(button(rig, "macroTab"), Qt::LeftButton);
        QCOMPARE(window.shownTab(), 3);
        rig.close();

        editProductDescription(rig, "ledDisable=0", "ledDisable=1");
        MousecfgWidget& unlit = rig.open();
        QCOMPARE(unlit.shownTab(), 1);
        QTest::mousePress(button(rig, "lightingTab"), Qt::LeftButton);
        QCOMPARE(unlit.shownTab(), 1);
        QVERIFY(button(rig, "customizeTab")->isHighlighted());
        QVERIFY(!rig.find<QWidget>(QStringLiteral("lightingPage"))->isVisibleTo(&unlit));
    }

    void connectionIndicatorFollowsTheInterfaces()
    {
        WindowRig rig(plugged(true));
        rig.open();
        auto* bar = rig.find<OakBatteryBar>(QStringLiteral("batteryBar"));
        auto* receiver = rig.find<QWidget>(QStringLiteral("receiverIcon"));
        QTRY_COMPARE(bar->text(), QStringLiteral("95%"));
        QVERIFY(!bar->isHidden());
        QVERIFY(!receiver->isHidden());

        // On the cable beside the receiver the bar gives way to the plug frame.
        rig.mouse().plug(VirtualIdentity::Cable);
        QTRY_VERIFY(bar->isHidden());
        QVERIFY(!receiver->isHidden());
        QTRY_COMPARE(bar->value(), 100); // full on the cable, without text
        QCOMPARE(bar->format(), QString());

        // A sleeping mouse answers with no battery level.
        rig.mouse().unplug(VirtualIdentity::Cable);
        rig.mouse().setBattery(0);
        QTRY_COMPARE(bar->format(), QStringLiteral("MOUSE OFF"));
        QVERIFY(!bar->isTextVisible());
        QVERIFY(!bar->isHidden());
        QVERIFY(rig.window().trayToolTip().contains(QStringLiteral("MOUSE OFF")));

        rig.mouse().setBattery(70);
        QTRY_COMPARE(bar->text(), QStringLiteral("85%"));
        rig.mouse().unplug(VirtualIdentity::Receiver);
        QTRY_VERIFY(receiver->isHidden());
        QVERIFY(!bar->isHidden());
        QCOMPARE(bar->format(), QStringLiteral("MOUSE OFF")); // not the gone mouse's 85%
    }

    void connectionModes_data()
    {
        QTest::addColumn<bool>("cable");
        QTest::addColumn<bool>("receiver");
        QTest::addColumn<bool>("charging");
        QTest::addColumn<int>("mode");
        QTest::addColumn<bool>("receiverIcon");
        QTest::addColumn<bool>("bar");
        QTest::newRow("both") << true << true << false << 1 << true << false;
        QTest::newRow("cable") << true << false << true << 0 << false << false;
        QTest::newRow("receiver, charging") << false << true << true << 1 << true << false;
        QTest::newRow("receiver") << false << true << false << 2 << true << true;
        QTest::newRow("nothing") << false << false << true << 3 << false << true;
    }

    void connectionModes()
    {
        QFETCH(bool, cable);
        QFETCH(bool, receiver);
        QFETCH(bool, charging);
        const StatusDisplay::Connection shown = StatusDisplay::connection(cable, receiver, charging);
        QTEST(int(shown.mode), "mode");
        QTEST(shown.receiverIcon, "receiverIcon");
        QTEST(shown.batteryBar, "bar");
        QCOMPARE(shown.frame, shown.batteryBar ? 0 : 1); // the plug frame where the bar is gone
    }

    void batteryReportsShowTheirValue()
    {
        WindowRig rig(plugged(true));
        MousecfgWidget& window = rig.open();
        QObject::disconnect(&rig.session(), nullptr, &window, nullptr);
        auto* bar = rig.find<OakBatteryBar>(QStringLiteral("batteryBar"));
        window.slotRefreshBatteryStatus(0, 85, 0);
        QCOMPARE(bar->value(), 100);
        QCOMPARE(bar->text(), QStringLiteral("100%"));
        QCOMPARE(AppConfig(rig.paths()).battery(), 100);
        QVERIFY(window.trayToolTip().contains(QStringLiteral("100%")));
        // A level past 100 keeps the bar full instead of leaving it stale.
        window.slotRefreshBatteryStatus(0, 40, 0);
        window.slotRefreshBatteryStatus(0, 90, 0);
        QCOMPARE(bar->value(), 100);
        window.slotRefreshBatteryStatus(1, 40, 0);
        QVERIFY(window.trayToolTip().contains(QStringLiteral("charging")));
    }

    void statusReportsChangeSlotStageAndRateAsTheMouseSays()
    {
        WindowRig rig(WindowRig::unplugged());
        MousecfgWidget& window = rig.open();
        ProfileWorkspace& workspace = rig.workspace();
        window.changeSlot(2, false);
        workspace.working().profiles[0].LedMode = 9; // an unsaved edit of slot 0
        workspace.working().profiles[0].mousespeed = 14;
        const quint8 stage = workspace.working().profiles[0].dpi;
        const quint8 rate = workspace.working().profiles[0].pollrate;
        rig.onScreenDisplay().clear();

        window.slotRefreshStatus(0, stage, rate, 0);
        QCOMPARE(workspace.currentSlot(), 0);
        QCOMPARE(int(workspace.current().LedMode), 9); // not reloaded
        QCOMPARE(rig.onScreenDisplay().texts(), QStringList{QStringLiteral("Profile 1")});
        QCOMPARE(rig.pointerSpeed().applied().last(), 14);
        QVERIFY(button(rig, "profileSlot1")->isHighlighted());
        QVERIFY(!button(rig, "profileSlot3")->isHighlighted());
        QCOMPARE(rig.find<QLabel>(QStringLiteral("profileLabel"))->text(), QStringLiteral("Profile 1"));
        QCOMPARE(AppConfig(rig.paths()).profileId(), 0);

        rig.onScreenDisplay().clear();
        window.slotRefreshStatus(0, stage, rate, 0); // nothing new
        window.slotRefreshStatus(7, 9, 2, 0);        // garbage: no such slot
        QCOMPARE(rig.onScreenDisplay().texts(), QStringList());

        window.slotRefreshStatus(0, quint8((stage + 1) % 4), 3, 0);
        QCOMPARE(int(workspace.current().dpi), (stage + 1) % 4);
        QCOMPARE(int(workspace.current().pollrate), 3);
        const QStringList shown = rig.onScreenDisplay().texts();
        QCOMPARE(shown.size(), 2);
        // The stage's DPI as the DPI page shows it, never 0 for a stage in use.
        const int next = (stage + 1) % 4;
        const int dpi = DpiRule::levelToDpi(AppConfig(rig.paths()).mouseSensor(),
                                            int(workspace.current().stages[next].x));
        QVERIFY(dpi > 0);
        QCOMPARE(shown.first(), QStringLiteral("DPI %1:%2").arg(next + 1).arg(dpi));
        QCOMPARE(shown.last(), QString()); // code 3 names no rate
        window.slotRefreshStatus(0, quint8((stage + 1) % 4), 8, 0);
        QCOMPARE(rig.onScreenDisplay().texts().last(), QStringLiteral("125 HZ"));
    }

    void changingTheSlotReloadsOnlyWhenAsked()
    {
        WindowRig rig(WindowRig::unplugged());
        MousecfgWidget& window = rig.open();
        ProfileWorkspace& workspace = rig.workspace();
        const quint8 stored = workspace.working().profiles[1].LedMode;
        workspace.working().profiles[1].LedMode = quint8(stored + 1);
        window.changeSlot(1, false);
        QCOMPARE(int(workspace.current().LedMode), stored + 1);
        QCOMPARE(rig.find<QLineEdit>(QStringLiteral("profileNameEditor"))->text(), workspace.slotName(1));
        QVERIFY(button(rig, "profileSlot2")->isHighlighted());
        window.changeSlot(1, true);
        QCOMPARE(int(workspace.current().LedMode), int(stored));
        // A click on a slot keeps the current one: the mouse reports its first.
        QTest::mouseClick(button(rig, "profileSlot4"), Qt::LeftButton);
        QCOMPARE(workspace.currentSlot(), 1);
        QVERIFY(button(rig, "profileSlot2")->isHighlighted());
        QVERIFY(!button(rig, "profileSlot4")->isHighlighted());
    }

    void languageChangeRetranslatesWhatShows()
    {
        WindowRig rig(WindowRig::unplugged());
        MousecfgWidget& window = rig.open();
        QMenu* menu = button(rig, "languageButton")->menu();
        menu->actions().at(1)->trigger();
        QCOMPARE(button(rig, "lightingTab")->text(), QStringLiteral("灯光"));
        QCOMPARE(button(rig, "okButton")->text(), QStringLiteral("确定"));
        QCOMPARE(button(rig, "profileSlot2")->text(), QStringLiteral("配置 2"));
        QCOMPARE(accessibleName(button(rig, "closeButton")), QStringLiteral("关闭"));
        QCOMPARE(rig.find<QLabel>(QStringLiteral("versionCaption"))->text(), QStringLiteral("版本"));
        QVERIFY(window.trayToolTip().contains(QStringLiteral("配置 1")));
        // A tab not shown at the switch catches up as it is shown (the pages
        // hear of the language through posted events).
        auto* batch = rig.find<QCheckBox>(QStringLiteral("batchCheck"));
        QVERIFY(!batch->isVisibleTo(&window));
        QCoreApplication::sendPostedEvents();
        window.showTab(3);
        QCOMPARE(batch->text(), QStringLiteral("批量"));
        QCOMPARE(batch->font().family(), QStringLiteral("Noto Sans CJK SC"));
        menu->actions().at(0)->trigger();
        QCoreApplication::sendPostedEvents();
        QCOMPARE(button(rig, "lightingTab")->text(), QStringLiteral("LIGHTING"));
        QCOMPARE(batch->text(), QStringLiteral("BATCH"));
    }

    void everyControlHasAnAccessibleName()
    {
        WindowRig rig(plugged(true));
        MousecfgWidget& window = rig.open();
        window.show();
        QStringList unnamed;
        for (QWidget* widget : window.findChildren<QWidget*>()) {
            const bool control = qobject_cast<QAbstractButton*>(widget) || qobject_cast<QLineEdit*>(widget) ||
                                 qobject_cast<QProgressBar*>(widget) || widget->focusPolicy() != Qt::NoFocus;
            if (control && widget->isVisibleTo(&window) && accessibleName(widget).trimmed().isEmpty())
                unnamed << widget->objectName() + QLatin1Char('/') + widget->metaObject()->className();
        }
        QVERIFY2(unnamed.isEmpty(), qPrintable(unnamed.join(QStringLiteral(", "))));
    }

    void disablingForARecordingAlsoDisablesClose()
    {
        WindowRig rig(plugged(true));
        MousecfgWidget& window = rig.open();
        QTRY_VERIFY(window.isVisible());
        window.slotEnableButtons(false);
        for (const char* name :
             {"closeButton", "minimiseButton", "languageButton", "firmwareButton", "macroTab", "okButton",
              "applyButton", "addButton", "profileLibraryButton", "importButton"})
            QVERIFY2(!button(rig, name)->isEnabled(), name);
        QVERIFY(!rig.find<QLineEdit>(QStringLiteral("profileNameEditor"))->isEnabled());
        QTest::mouseClick(button(rig, "closeButton"), Qt::LeftButton);
        QVERIFY(window.isVisible());
        window.slotEnableButtons(true);
        QTest::mouseClick(button(rig, "closeButton"), Qt::LeftButton);
        QVERIFY(!window.isVisible());
    }

    void versionLabelOpensOnlyAUrl()
    {
        UrlCatcher catcher;
        QDesktopServices::setUrlHandler(QStringLiteral("https"), &catcher, "open");
        WindowRig rig(WindowRig::unplugged());
        rig.open();
        auto* version = rig.find<OakLabel>(QStringLiteral("versionLabel"));
        QTest::mouseClick(version, Qt::LeftButton);
        QVERIFY(catcher.opened.isEmpty()); // "V1.00" is no link
        rig.close();
        editProductDescription(rig, "Version=V1.00", "Version=https://example.org/w8");
        rig.open();
        QTest::mouseClick(rig.find<OakLabel>(QStringLiteral("versionLabel")), Qt::LeftButton);
        QCOMPARE(catcher.opened, QList<QUrl>{QUrl(QStringLiteral("https://example.org/w8"))});
        QDesktopServices::unsetUrlHandler(QStringLiteral("https"));
    }

    void keyboardReachesAndPressesTheControls()
    {
        WindowRig rig(WindowRig::unplugged());
        MousecfgWidget& window = rig.open();
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        // The start-up warning shows the window again when it comes: let it
        // come first, so that it cannot undo the Cancel below.
        const auto warningBox = [] {
            for (QWidget* w : QApplication::topLevelWidgets())
                if (qobject_cast<OakMessageBox*>(w) && w->isVisible())
                    return w;
            return static_cast<QWidget*>(nullptr);
        };
        QTRY_VERIFY(warningBox());
        warningBox()->close();
        // Tab follows the layout: the tabs first, then the window buttons,
        // then the profile column down to OK, Cancel and Apply.
        QWidget* lighting = button(rig, "lightingTab");
        lighting->setFocus(Qt::TabFocusReason);
        QStringList order;
        for (QWidget* w = lighting; order.size() < 30; w = w->nextInFocusChain())
            if (w->focusPolicy() & Qt::TabFocus && w->isVisibleTo(&window))
                order << w->objectName();
        const QStringList expected{"lightingTab", "customizeTab",   "dpiTab",
                                   "macroTab",    "languageButton", "minimiseButton",
                                   "closeButton", "firmwareButton", "profileSlot1"};
        QCOMPARE(order.mid(0, expected.size()), expected);
        QVERIFY(order.indexOf(QStringLiteral("profileNameEditor")) <
                order.indexOf(QStringLiteral("addButton")));
        QVERIFY(order.indexOf(QStringLiteral("addButton")) < order.indexOf(QStringLiteral("okButton")));

        OakPushButton* dpi = button(rig, "dpiTab");
        dpi->setFocus(Qt::TabFocusReason);
        QTest::keyClick(dpi, Qt::Key_Return);
        QTRY_COMPARE(window.shownTab(), 2);
        OakPushButton* macro = button(rig, "macroTab");
        macro->setFocus(Qt::TabFocusReason);
        QTest::keyClick(macro, Qt::Key_Space);
        QCOMPARE(window.shownTab(), 3);
        // Cancel from the keyboard hides the window, as a click does.
        OakPushButton* cancel = button(rig, "cancelButton");
        cancel->setFocus(Qt::TabFocusReason);
        QTest::keyClick(cancel, Qt::Key_Enter);
        QTRY_VERIFY(!window.isVisible());
    }

    void libraryDropDownListsTheStoredProfiles()
    {
        WindowRig rig(WindowRig::unplugged());
        MousecfgWidget& window = rig.open();
        auto* operations = window.findChild<ProfileOperations*>(QStringLiteral("profileOperations"));
        QVERIFY(operations);
        Q_EMIT operations->libraryChanged({QStringLiteral("Profile 1"), QStringLiteral("fps")});
        QMenu* menu = button(rig, "profileLibraryButton")->menu();
        QCOMPARE(menu->actions().size(), 2);
        QCOMPARE(menu->actions().at(1)->text(), QStringLiteral("fps"));
        Q_EMIT operations->currentNameChanged(QStringLiteral("fps"));
        QCOMPARE(rig.find<QLineEdit>(QStringLiteral("profileNameEditor"))->text(), QStringLiteral("fps"));
        QCOMPARE(rig.find<QLineEdit>(QStringLiteral("profileNameEditor"))->maxLength(), 100);
        Q_EMIT operations->tabRequested(2);
        QCOMPARE(window.shownTab(), 2);
    }

    void startShowsTheStoredBatteryWithoutWritingIt()
    {
        WindowRig rig(WindowRig::unplugged());
        QVERIFY(AppConfig(rig.paths()).setBattery(60).isOk());
        rig.open();
        auto* bar = rig.find<OakBatteryBar>(QStringLiteral("batteryBar"));
        QCOMPARE(bar->value(), 60);
        QCOMPARE(AppConfig(rig.paths()).battery(), 60);
        // No mouse to answer: the poll's one empty reading says so.
        QTRY_COMPARE(bar->format(), QStringLiteral("MOUSE OFF"));
        QCOMPARE(AppConfig(rig.paths()).battery(), 60);
    }

    void kitPiecesSignalWhatTheyPromise()
    {
        OakLabel link;
        QSignalSpy clicked(&link, &OakLabel::clicked);
        QTest::mousePress(&link, Qt::LeftButton);
        QTest::mousePress(&link, Qt::RightButton);
        QTest::keyClick(&link, Qt::Key_Return);
        QTest::keyClick(&link, Qt::Key_A);
        QCOMPARE(clicked.count(), 2);

        OakLineEdit edit;
        QLineEdit other;
        edit.show();
        other.show();
        QSignalSpy lost(&edit, &OakLineEdit::oakLostFocus);
        edit.setFocus();
        QApplication::setActiveWindow(&edit);
        edit.clearFocus();
        QCOMPARE(lost.count(), 1);

        const QColor accent(0, 255, 255);
        const QString on = OakBatteryBar::styleSheetFor(OakBatteryBar::Look::On, accent, 2.0);
        const QString off = OakBatteryBar::styleSheetFor(OakBatteryBar::Look::Off, accent, 2.0);
        QVERIFY(on.contains(accent.name()) && !off.contains(accent.name()));
        QVERIFY(on.contains(QStringLiteral("32px")));
    }

    void probeSeesABlockedEventLoop()
    {
        LatencyProbe probe(2);
        probe.start();
        QTimer::singleShot(10, [] {
            QElapsedTimer busy;
            busy.start();
            while (busy.elapsed() < 60) {
            }
        });
        QTRY_VERIFY(probe.delaysUs().size() > 20);
        probe.stop();
        QVERIFY(probe.worstUs() >= 50000);
        QVERIFY(probe.percentileUs(100) == probe.worstUs());
        QVERIFY(probe.percentileUs(50) <= probe.worstUs());
    }
};

QTEST_MAIN(TestWindow)
#include "tst_window.moc"
