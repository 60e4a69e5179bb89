#include "app/AppContext.h"
#include "app/MousecfgWidget.h"
#include "platform/fake/FakePointerSpeed.h"
#include "sim/VirtualMouse.h"
#include "support/TempAppDir.h"
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

// A virtual mouse that is not plugged in: the window finds no mouse.
void withoutMouse(AppContext& context)
{
    VirtualMouseOptions options;
    options.receiverPlugged = false;
    context.useVirtualMouse(std::make_shared<VirtualMouse>(options));
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
        TempAppDir dir;
        AppContext context(dir.paths());
        withoutMouse(context);
        MousecfgWidget window(context);
        QCOMPARE(window.presentModelCount(), 0);
        QVERIFY(window.isHidden());
        QVERIFY(window.trayIcon()->isVisible());
        QVERIFY(window.windowFlags() & Qt::FramelessWindowHint);
        QCOMPARE(window.minimumSize(), QSize(999, 640));

        const QList<QAction*> actions = window.trayIcon()->contextMenu()->actions();
        QCOMPARE(actions.at(0)->text(), QStringLiteral("&Load Config"));
        QCOMPARE(actions.at(1)->text(), QStringLiteral("&Quit"));
        // On the virtual mouse a third entry plugs it and presses its button.
        QCOMPARE(actions.size(), 3);
        QVERIFY(actions.at(2)->menu());
        QCOMPARE(actions.at(2)->menu()->actions().size(), 3);
    }

    void startLoadsTheProfilesWithTheSystemPointerSpeed()
    {
        TempAppDir dir;
        AppContext context(dir.paths());
        withoutMouse(context);
        context.pointerSpeed = std::make_unique<FakePointerSpeed>(17);
        MousecfgWidget window(context);
        QCOMPARE(window.profiles().profileNames[0], QStringLiteral("Profile 1"));
        QCOMPARE(int(window.profiles().current().mousespeed), 17);
        // The saved state is what the files hold, before the system's speed.
        QVERIFY(window.savedProfiles().current().mousespeed != 17);
        // With no mouse there is no current model: the configuration's own folder.
        QVERIFY(
            QFileInfo::exists(dir.paths().profileDir(QString()) + QStringLiteral("/DefaultProfile.prof")));
    }

    void windowTakesTheShapeOfItsBackground()
    {
        TempAppDir dir;
        AppContext context(dir.paths());
        withoutMouse(context);
        MousecfgWidget window(context);
        const QRegion mask = window.mask();
        QVERIFY(mask.contains(QPoint(500, 320)));
        QVERIFY(!mask.contains(QPoint(0, 0)));
    }

    void missingBackgroundLeavesTheWindowWhole()
    {
        TempAppDir dir;
        QVERIFY(QFile::remove(dir.paths().skinFile(QStringLiteral("cfgMainback.png"))));
        QVERIFY(QFile::remove(dir.paths().skinFile(QStringLiteral("cfgMainback.svg"))));
        AppContext context(dir.paths());
        withoutMouse(context);
        MousecfgWidget window(context);
        QVERIFY(window.mask().isEmpty());
        window.show();
        const QImage shot = window.grab().toImage();
        QVERIFY(!shot.isNull());
        QVERIFY(shot.pixelColor(500, 320).alpha() == 255);
    }

    void dragMovesTheWindowPastASmallThreshold()
    {
        TempAppDir dir;
        AppContext context(dir.paths());
        withoutMouse(context);
        MousecfgWidget window(context);
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
        TempAppDir dir;
        AppContext context(dir.paths());
        withoutMouse(context);
        MousecfgWidget window(context);
        window.show();
        window.iconActivated(QSystemTrayIcon::Context);
        QVERIFY(window.isVisible());
        window.iconActivated(QSystemTrayIcon::DoubleClick);
        QVERIFY(window.isHidden());
        window.iconActivated(QSystemTrayIcon::Trigger);
        QVERIFY(window.isVisible());

        context.warningOpen = true;
        window.iconActivated(QSystemTrayIcon::DoubleClick);
        QVERIFY(window.isVisible());
    }

    void languageButtonShowsWithTwoLanguagesOrMore()
    {
        TempAppDir dir;
        {
            AppContext context(dir.paths());
            withoutMouse(context);
            MousecfgWidget window(context);
            QVERIFY(!window.languageButton()->isHidden());
        }
        QSettings(dir.paths().configFile(), QSettings::IniFormat)
            .setValue(QStringLiteral("FONT_LIST/LANGNUM"), 1);
        AppContext context(dir.paths());
        withoutMouse(context);
        MousecfgWidget window(context);
        QVERIFY(window.languageButton()->isHidden());
    }

    void chosenLanguageTranslatesAndSurvivesARestart()
    {
        TempAppDir dir;
        {
            AppContext context(dir.paths());
            withoutMouse(context);
            MousecfgWidget window(context);
            QMenu* menu = window.languageButton()->menu();
            QCOMPARE(menu->actions().size(), 3);
            menu->actions().at(2)->trigger();
            QCOMPARE(context.languageIndex, 2);
            QCOMPARE(window.trayIcon()->contextMenu()->actions().at(1)->text(), QStringLiteral("結束(&Q)"));
        }
        QCOMPARE(QSettings(dir.paths().langConfigFile(), QSettings::IniFormat).value("Config/LangID").toInt(),
                 2);
        AppContext context(dir.paths());
        withoutMouse(context);
        MousecfgWidget window(context);
        QCOMPARE(context.languageIndex, 2);
        QCOMPARE(window.trayIcon()->contextMenu()->actions().at(0)->text(), QStringLiteral("載入設定(&L)"));
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
