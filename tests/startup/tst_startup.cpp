// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/MousecfgWidget.h"
#include "app/VirtualMouseMenu.h"
#include "storage/AppConfig.h"
#include "storage/ProfileWorkspace.h"
#include "support/WindowRig.h"
#include "widgets/OakPushButton.h"

#include <QAction>
#include <QMenu>
#include <QProcess>
#include <QSettings>
#include <QUuid>
#include <QtTest>

namespace {

// A started copy of the utility, with what it has written to its error output.
class RunningCopy
{
public:
    explicit RunningCopy(const QString& appDir)
    {
        m_process.setProcessChannelMode(QProcess::SeparateChannels);
        m_process.start(TempAppDir::executable(QStringLiteral("mousecfg")),
                        {QStringLiteral("--app-dir"), appDir});
    }
    ~RunningCopy()
    {
        if (m_process.state() != QProcess::NotRunning) {
            m_process.kill();
            m_process.waitForFinished(10000);
        }
    }

    bool waitUntilRunning()
    {
        QElapsedTimer waited;
        waited.start();
        while (!takeOutput().contains("mousecfg: running")) {
            if (m_process.state() == QProcess::NotRunning || waited.hasExpired(60000))
                return false;
            m_process.waitForReadyRead(1000);
        }
        return true;
    }
    QByteArray takeOutput()
    {
        m_output += m_process.readAllStandardError();
        return m_output;
    }
    QProcess& process() { return m_process; }

private:
    QProcess m_process;
    QByteArray m_output;
};

void sendMouse(QWidget& widget, QEvent::Type type, const QPoint& global, Qt::MouseButton button)
{
    const Qt::MouseButtons held =
        type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::MouseButtons(Qt::LeftButton);
    QMouseEvent event(type, QPointF(widget.mapFromGlobal(global)), QPointF(global), button, held,
                      Qt::NoModifier);
    QApplication::sendEvent(&widget, &event);
}

QSystemTrayIcon* trayIcon(WindowRig& rig)
{
    return rig.find<QSystemTrayIcon>(QStringLiteral("trayIcon"));
}

OakPushButton* languageButton(WindowRig& rig)
{
    return rig.find<OakPushButton>(QStringLiteral("languageButton"));
}

QByteArray uniqueProductName()
{
    return "Test " + QUuid::createUuid().toByteArray(QUuid::WithoutBraces);
}

} // namespace

class TestStartup : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void scaleFollowsTheScreenDpi_data()
    {
        QTest::addColumn<double>("dpi");
        QTest::addColumn<int>("level");
        QTest::addColumn<double>("factor");
        QTest::newRow("96") << 96.0 << 0 << 1.0;
        QTest::newRow("144") << 144.0 << 2 << 1.5;
        QTest::newRow("192") << 192.0 << 4 << 2.0;
        QTest::newRow("zero") << 0.0 << 0 << 1.0;
        QTest::newRow("huge") << 2000.0 << 16 << 5.0;
        const double bounds[16] = {1.1, 1.4, 1.6, 1.8, 2.1, 2.3, 2.6, 2.8,
                                   3.1, 3.3, 3.6, 3.8, 4.1, 4.3, 4.6, 4.8};
        for (int level = 0; level < 16; ++level) {
            const double dpi = bounds[level] * 96;
            QTest::addRow("below %g", bounds[level]) << dpi - 0.01 << level << 1.0 + 0.25 * level;
            QTest::addRow("above %g", bounds[level]) << dpi + 0.01 << level + 1 << 1.0 + 0.25 * (level + 1);
        }
    }
    void scaleFollowsTheScreenDpi()
    {
        QFETCH(double, dpi);
        QFETCH(int, level);
        QFETCH(double, factor);
        const UiScale scale = UiScale::forLogicalDpi(dpi);
        QCOMPARE(scale.level, level);
        QCOMPARE(scale.factor, factor);
    }

    void windowSizeIsTheDesignTimesTheFactor()
    {
        const UiScale scale = UiScale::forLogicalDpi(144);
        QCOMPARE(QSize(scale.scaled(999), scale.scaled(640)), QSize(1498, 960));
    }

    void startWithoutMouseKeepsTheWindowHiddenWithTrayIcon()
    {
        WindowRig rig(WindowRig::unplugged());
        MousecfgWidget& window = rig.open();
        QCOMPARE(window.presentModelCount(), 0);
        QVERIFY(window.isHidden());
        QVERIFY(trayIcon(rig)->isVisible());
        QVERIFY(window.windowFlags() & Qt::FramelessWindowHint);
        QCOMPARE(window.minimumSize(), QSize(999, 640));

        const QList<QAction*> actions = trayIcon(rig)->contextMenu()->actions();
        QCOMPARE(actions.size(), 2);
        QCOMPARE(actions.at(0)->text(), QStringLiteral("&Load Config"));
        QCOMPARE(actions.at(1)->text(), QStringLiteral("&Quit"));
    }

    void virtualMouseMenuPlugsAndPressesTheMouse()
    {
        WindowRig rig(WindowRig::unplugged());
        std::unique_ptr<QMenu> menu(createVirtualMouseMenu(rig.mouse()));
        const QList<QAction*> actions = menu->actions();
        QCOMPARE(actions.size(), 3);
        actions.at(0)->trigger();
        QVERIFY(rig.mouse().isPlugged(VirtualIdentity::Receiver));
        actions.at(1)->trigger();
        QVERIFY(rig.mouse().isPlugged(VirtualIdentity::Cable));
        actions.at(0)->trigger();
        QVERIFY(!rig.mouse().isPlugged(VirtualIdentity::Receiver));
        const quint8 before = rig.mouse().state().dpiStage;
        actions.at(2)->trigger();
        QVERIFY(rig.mouse().state().dpiStage != before);
    }

    void startLoadsTheProfilesWithTheSystemPointerSpeed()
    {
        WindowRig rig(WindowRig::unplugged());
        rig.setSystemPointerSpeed(17);
        rig.open();
        const ProfileWorkspace& workspace = rig.workspace();
        QCOMPARE(workspace.working().profileNames[0], QStringLiteral("Profile 1"));
        QCOMPARE(int(workspace.working().current().mousespeed), 17);
        // The desktop's speed is no edit of the user's: nothing waits for Apply.
        QCOMPARE(int(workspace.saved().current().mousespeed), 17);
        QVERIFY(!workspace.hasUnsavedChanges());
        // With no mouse the profiles stay in the last model's folder; the
        // shared folder of earlier installs gets nothing.
        QCOMPARE(AppConfig(rig.paths()).currentProductName(), QString());
        const QString model = AppConfig(rig.paths()).profileModelName();
        QCOMPARE(model, QStringLiteral("Wren W8"));
        QVERIFY(QFileInfo::exists(rig.paths().profileDir(model) + QStringLiteral("/DefaultProfile.prof")));
        QVERIFY(!QFileInfo::exists(rig.paths().profileDir(QString()) + QStringLiteral("/Profile 1.prof")));
    }

    void windowTakesTheShapeOfItsBackground()
    {
        WindowRig rig(WindowRig::unplugged());
        MousecfgWidget& window = rig.open();
        const QRegion mask = window.mask();
        QVERIFY(mask.contains(QPoint(500, 320)));
        QVERIFY(!mask.contains(QPoint(0, 0)));
    }

    void missingBackgroundLeavesTheWindowWhole()
    {
        WindowRig rig(WindowRig::unplugged());
        QVERIFY(QFile::remove(rig.paths().skinFile(QStringLiteral("cfgMainback.png"))));
        QVERIFY(QFile::remove(rig.paths().skinFile(QStringLiteral("cfgMainback.svg"))));
        MousecfgWidget& window = rig.open();
        QVERIFY(window.mask().isEmpty());
        window.show();
        const QImage shot = window.grab().toImage();
        QVERIFY(!shot.isNull());
        QVERIFY(shot.pixelColor(500, 320).alpha() == 255);
    }

    void dragMovesTheWindowPastASmallThreshold()
    {
        WindowRig rig(WindowRig::unplugged());
        MousecfgWidget& window = rig.open();
        window.show();
        window.move(100, 100);
        const QPoint start = window.frameGeometry().topLeft();
        // Positions are global: the pointer stays put relative to the screen.
        sendMouse(window, QEvent::MouseButtonPress, QPoint(300, 300), Qt::LeftButton);
        sendMouse(window, QEvent::MouseMove, QPoint(302, 301), Qt::NoButton);
        QCOMPARE(window.frameGeometry().topLeft(), start);
        sendMouse(window, QEvent::MouseMove, QPoint(330, 310), Qt::NoButton);
        QCOMPARE(window.frameGeometry().topLeft(), start + QPoint(30, 10));
        sendMouse(window, QEvent::MouseButtonRelease, QPoint(330, 310), Qt::LeftButton);
        const QPoint released = window.frameGeometry().topLeft();
        sendMouse(window, QEvent::MouseMove, QPoint(400, 400), Qt::NoButton);
        QCOMPARE(window.frameGeometry().topLeft(), released);
    }

    void trayClicksToggleTheWindow()
    {
        WindowRig rig;
        MousecfgWidget& window = rig.open();
        window.show();
        window.iconActivated(QSystemTrayIcon::Context);
        QVERIFY(window.isVisible());
        window.iconActivated(QSystemTrayIcon::DoubleClick);
        QVERIFY(window.isHidden());
        window.iconActivated(QSystemTrayIcon::Trigger);
        QVERIFY(window.isVisible());
    }

    void languageButtonShowsWithTwoLanguagesOrMore()
    {
        WindowRig rig(WindowRig::unplugged());
        rig.open();
        QVERIFY(!languageButton(rig)->isHidden());
        rig.close();
        QSettings(rig.paths().configFile(), QSettings::IniFormat)
            .setValue(QStringLiteral("FONT_LIST/LANGNUM"), 1);
        rig.open();
        QVERIFY(languageButton(rig)->isHidden());
    }

    void chosenLanguageTranslatesAndSurvivesARestart()
    {
        WindowRig rig(WindowRig::unplugged());
        rig.open();
        QMenu* menu = languageButton(rig)->menu();
        QCOMPARE(menu->actions().size(), 3);
        menu->actions().at(2)->trigger();
        QCOMPARE(rig.ui().languageIndex(), 2);
        QCOMPARE(trayIcon(rig)->contextMenu()->actions().at(1)->text(), QStringLiteral("結束(&Q)"));
        rig.close();
        QCOMPARE(QSettings(rig.paths().langConfigFile(), QSettings::IniFormat).value("Config/LangID").toInt(),
                 2);
        rig.ui().setLanguageIndex(0);
        rig.open();
        QCOMPARE(rig.ui().languageIndex(), 2);
        QCOMPARE(trayIcon(rig)->contextMenu()->actions().at(0)->text(), QStringLiteral("載入設定(&L)"));
    }

    void oneCopyRunsPerModel()
    {
        TempAppDir first;
        first.writeFile(QStringLiteral("DefaultProfile.bin"),
                        "[PROFILE]\nProductName=" + uniqueProductName() + "\n");
        TempAppDir other;
        other.writeFile(QStringLiteral("DefaultProfile.bin"),
                        "[PROFILE]\nProductName=" + uniqueProductName() + "\n");

        RunningCopy running(first.path());
        QVERIFY(running.waitUntilRunning());

        RunningCopy second(first.path());
        QVERIFY(second.process().waitForFinished(30000));
        QCOMPARE(second.process().exitStatus(), QProcess::NormalExit);
        QCOMPARE(second.process().exitCode(), 1);
        QVERIFY(!second.takeOutput().contains("mousecfg: running"));

        RunningCopy otherModel(other.path());
        QVERIFY(otherModel.waitUntilRunning());

        // A copy that died leaves nothing behind that blocks the next start.
        running.process().kill();
        QVERIFY(running.process().waitForFinished(10000));
        RunningCopy afterCrash(first.path());
        QVERIFY(afterCrash.waitUntilRunning());
    }
};

QTEST_MAIN(TestStartup)
#include "tst_startup.moc"
