// SPDX-License-Identifier: GPL-3.0-or-later
#include "ToolTest.h"

#include "RealStack.h"

#include "hid/DeviceEntry.h"
#include "hid/HidapiBackend.h"
#include "hid/ModelIds.h"
#include "storage/AppConfig.h"
#include "storage/ProfileSet.h"
#include "storage/ProfileSetStore.h"
#include "support/TempAppDir.h"

#include <QElapsedTimer>
#include <QFile>
#include <QJsonArray>
#include <QJsonObject>
#include <QtTest>
#include <algorithm>

using namespace RealStack;

namespace {

// A configuration that fills every report; with a macro on the fourth
// button when asked.
void storeConfiguration(const TempAppDir& app, bool withMacro)
{
    ProfileSet set;
    for (int i = 0; i < ProfileSet::kProfiles; ++i)
        set.profileNames[i] = QStringLiteral("Profile %1").arg(i + 1);
    set.LiftHigh = 2;
    set.Sync = 1;
    ProfileData& p = set.profiles[0];
    p.pollrate = 4;
    p.dpi = 2;
    p.LedMode = 5;
    p.LedSleepTime = 3;
    p.leds[5].colour = QColor(0x12, 0x34, 0x56);
    p.leds[5].bright = 3;
    for (int s = 0; s < ProfileData::kStages; ++s) {
        p.stages[s].used = 1;
        p.stages[s].x = p.stages[s].y = quint32(20 * (s + 1));
    }
    p.buttons[0].Fun = 1;
    p.buttons[1].Fun = 2;
    p.buttons[2].Fun = 43;
    if (withMacro) {
        p.buttons[3].Fun = 200;
        p.buttons[3].macroname = QStringLiteral("burst");
        p.buttons[3].LoopNumber = 2;
        app.writeFile(QStringLiteral("Configs/MacroDB/burst.MSMACRO"),
                      "[Setting]\nCount=3\nMap_0=132\nDataL_0=30\nDataH_0=0\nMap_1=6\nDataL_1=20\nDataH_1=0\n"
                      "Map_2=4\nDataL_2=30\nDataH_2=0\n");
    }
    const QString model = AppConfig(app.paths()).currentProductName();
    QVERIFY(ProfileSetStore(app.paths(), model).saveSet(set).isOk());
}

QJsonArray listed(const TempAppDir& app)
{
    const Run devices = tool(app.path(), {QStringLiteral("devices"), QStringLiteral("--json")});
    if (devices.exitCode != 0)
        qWarning("devices: %d %s", devices.exitCode, devices.err.constData());
    return devices.json().array();
}

// The listed interfaces as "identity kind release", sorted.
QStringList summary(const QJsonArray& list)
{
    QStringList lines;
    for (const QJsonValue& value : list) {
        const QJsonObject o = value.toObject();
        lines.append(QStringLiteral("%1 %2 %3")
                         .arg(o.value("identity").toString(), o.value("kind").toString())
                         .arg(o.value("release").toInt()));
    }
    lines.sort();
    return lines;
}

QString nodeOf(const QJsonArray& list, const QString& identity, const QString& kind)
{
    for (const QJsonValue& value : list) {
        const QJsonObject o = value.toObject();
        if (o.value("identity").toString() == identity && o.value("kind").toString() == kind)
            return o.value("path").toString();
    }
    return QString();
}

// udevadm test's report for a node: the rules it ran and the tags it set.
QByteArray udevTest(const QString& node)
{
    const Run test =
        run(QStringLiteral("udevadm"),
            {QStringLiteral("test"), QStringLiteral("/sys/class/hidraw/") + node.section('/', -1)});
    return test.out + test.err;
}

bool tagsUaccess(const QByteArray& report)
{
    for (const QByteArray& line : report.split('\n')) {
        if ((line.startsWith("TAGS=") || line.startsWith("CURRENT_TAGS=")) && line.contains(":uaccess:"))
            return true;
    }
    return false;
}

} // namespace

void ToolTest::init()
{
    QVERIFY(control({QStringLiteral("reset")}));
    QVERIFY(control({QStringLiteral("plug"), QStringLiteral("receiver")}));
    QVERIFY(control({QStringLiteral("unplug"), QStringLiteral("cable")}));
    QVERIFY(run(QStringLiteral("udevadm"), {QStringLiteral("settle")}).exitCode == 0);
}

// The HID library's view of the receiver: the collections the device table
// matches, on the interface numbers the interface-name patterns expect
// (MI_00, MI_02), and the release number.
void ToolTest::interfacesAreWhereTheDeviceTableLooks()
{
    HidapiBackend hidapi;
    QVERIFY(hidapi.init());
    const DeviceEntry table = DeviceEntry::forModel(QString(), kModelVendorId, kModelReceiverProductId, 0);
    const DeviceIdentity& receiver = table.identities[ReceiverIdentity];
    QStringList found;
    for (const HidDeviceInfo& info : hidapi.enumerate(kModelVendorId, kModelReceiverProductId)) {
        const QString kind = receiver.pointer.matches(info.usage, info.usagePage)  ? QStringLiteral("pointer")
                             : receiver.vendor.matches(info.usage, info.usagePage) ? QStringLiteral("vendor")
                                                                                   : QStringLiteral("other");
        // The library lists each collection it finds; the pointer's inner
        // one (usage 1, pointer) is not the device table's business.
        if (kind == QLatin1String("other"))
            continue;
        found.append(QStringLiteral("%1 interface %2 release %3")
                         .arg(kind)
                         .arg(info.interfaceNumber)
                         .arg(info.releaseNumber, 4, 16, QLatin1Char('0')));
        QVERIFY(hidapi.releaseNumber(info.path) == info.releaseNumber);
    }
    found.sort();
    QCOMPARE(found, (QStringList{"pointer interface 0 release 0100", "vendor interface 2 release 0100"}));
    hidapi.exit();
}

void ToolTest::devicesListsThePluggedIdentitiesOnly()
{
    TempAppDir app;
    const QString other = vendorNode(kOtherVendorId, kOtherProductId);
    QVERIFY2(!other.isEmpty(), "the unrelated device is not there");

    QCOMPARE(summary(listed(app)), (QStringList{"receiver pointer 256", "receiver vendor 256"}));
    QVERIFY(control({QStringLiteral("plug"), QStringLiteral("cable")}));
    QTRY_COMPARE_WITH_TIMEOUT(
        summary(listed(app)),
        (QStringList{"cable pointer 256", "cable vendor 256", "receiver pointer 256", "receiver vendor 256"}),
        20000);
    const QJsonArray both = listed(app);
    QStringList nodes;
    for (const QJsonValue& value : both)
        nodes.append(value.toObject().value("path").toString());
    QVERIFY2(!nodes.contains(other), qPrintable(nodes.join(' ')));
    QCOMPARE(nodeOf(both, "receiver", "vendor"), vendorNode(kModelVendorId, kModelReceiverProductId));
    QCOMPARE(nodeOf(both, "cable", "vendor"), vendorNode(kModelVendorId, kModelCableProductId));

    QVERIFY(control({QStringLiteral("unplug"), QStringLiteral("receiver")}));
    QTRY_COMPARE_WITH_TIMEOUT(summary(listed(app)), (QStringList{"cable pointer 256", "cable vendor 256"}),
                              20000);
}

void ToolTest::applyWritesWhatTheVirtualMouseGets_data()
{
    QTest::addColumn<bool>("withMacro");
    QTest::newRow("without macros") << false;
    QTest::newRow("with a macro") << true;
}

void ToolTest::applyWritesWhatTheVirtualMouseGets()
{
    QFETCH(bool, withMacro);
    TempAppDir virtualDir;
    TempAppDir realDir;
    storeConfiguration(virtualDir, withMacro);
    storeConfiguration(realDir, withMacro);

    const Run expected = tool(virtualDir.path(), {QStringLiteral("--virtual"), QStringLiteral("--trace"),
                                                  QStringLiteral("--dump-device"), QStringLiteral("apply")});
    QCOMPARE(expected.exitCode, 0);
    QElapsedTimer clock;
    clock.start();
    const Run real = tool(realDir.path(), {QStringLiteral("--trace"), QStringLiteral("apply")});
    QVERIFY2(real.exitCode == 0, real.err.constData());
    qInfo("apply over USB: %lld ms for %d reports", clock.elapsed(), int(real.traced("W").size()));

    const QStringList written = expected.traced("W");
    // Begin marker, performance, options, buttons, stages, end marker; and
    // the macro's slot (commands 0x10 and up) when there is one.
    QVERIFY(written.size() >= 8);
    const bool macroSent = std::any_of(written.begin(), written.end(), [](const QString& line) {
        return line.mid(5, 2).toInt(nullptr, 16) >= 0x10;
    });
    QCOMPARE(macroSent, withMacro);
    QCOMPARE(real.traced("W"), written);
    // What arrived through the kernel at the mouse is what the tool wrote.
    const Run arrived = gadget({QStringLiteral("trace")});
    QCOMPARE(arrived.traced("W"), written);
    // Every echo came back as the virtual mouse gives it.
    QCOMPARE(real.traced("R"), expected.traced("R"));

    const int stateStart = expected.out.indexOf("\n{") + 1;
    const QJsonObject virtualState = QJsonDocument::fromJson(expected.out.mid(stateStart)).object();
    QVERIFY(!virtualState.isEmpty());
    QCOMPARE(gadget({QStringLiteral("state")}).json().object(), virtualState);
    QCOMPARE(AppConfig(realDir.paths()).diff(), 0);
}

void ToolTest::faultsActAsOnTheVirtualMouse_data()
{
    QTest::addColumn<QString>("fault");
    QTest::addColumn<bool>("sameReads");
    // A wrong echo is re-read, a zero reply makes the host write again; a
    // late reply costs reads whose number depends on the timing.
    QTest::newRow("bad echo") << "bad-echo@2:5" << true;
    QTest::newRow("zero replies") << "zero-replies@3:2" << true;
    QTest::newRow("late reply") << "timeout@2:2" << false;
}

void ToolTest::faultsActAsOnTheVirtualMouse()
{
    QFETCH(QString, fault);
    QFETCH(bool, sameReads);
    TempAppDir virtualDir;
    TempAppDir realDir;
    const Run expected =
        tool(virtualDir.path(), {QStringLiteral("--virtual"), QStringLiteral("--virtual-fault"), fault,
                                 QStringLiteral("--trace"), QStringLiteral("apply")});
    QCOMPARE(expected.exitCode, 0);
    QVERIFY(control({QStringLiteral("fault"), fault}));
    const Run real = tool(realDir.path(), {QStringLiteral("--trace"), QStringLiteral("apply")});
    QVERIFY2(real.exitCode == 0, real.err.constData());
    QCOMPARE(real.traced("W"), expected.traced("W"));
    if (sameReads)
        QCOMPARE(real.traced("R"), expected.traced("R"));
}

void ToolTest::statusShowsWhatTheMouseReports()
{
    TempAppDir app;
    QVERIFY(control({QStringLiteral("battery"), QStringLiteral("37"), QStringLiteral("5")}));
    Run status = tool(app.path(), {QStringLiteral("status"), QStringLiteral("--json")});
    QVERIFY2(status.exitCode == 0, status.err.constData());
    QJsonObject reply = status.json().object();
    QCOMPARE(reply.value("battery").toInt(), 37);
    QCOMPARE(reply.value("batteryExtra").toInt(), 5);
    QCOMPARE(reply.value("dpiStage").toInt(), 0);

    // A DPI press the host did not see moves the stage the next query reads.
    QVERIFY(control({QStringLiteral("press-dpi")}));
    QVERIFY(control({QStringLiteral("battery"), QStringLiteral("12")}));
    status =
        tool(app.path(), {QStringLiteral("--trace"), QStringLiteral("status"), QStringLiteral("--json")});
    QCOMPARE(status.exitCode, 0);
    // The report of the press waited in the gadget's endpoint for the host
    // to open the interface; the query's reply follows it.
    qInfo("reports read: %s", qPrintable(status.traced("R").join(QStringLiteral(" | "))));
    reply = QJsonDocument::fromJson(status.out.mid(status.out.indexOf("\n{") + 1)).object();
    QCOMPARE(reply.value("battery").toInt(), 12);
    QCOMPARE(reply.value("dpiStage").toInt(), 1);
}

void ToolTest::selectProfileReachesTheMouse()
{
    TempAppDir app;
    storeConfiguration(app, false);
    const Run select = tool(app.path(), {QStringLiteral("select-profile"), QStringLiteral("3")});
    QVERIFY2(select.exitCode == 0, select.err.constData());
    QCOMPARE(gadget({QStringLiteral("state")}).json().object().value("activeProfile").toInt(), 2);
    QCOMPARE(AppConfig(app.paths()).profileId(), 2);
}

void ToolTest::withoutTheRuleAUserIsToldWhichNode()
{
    TempAppDir app;
    QVERIFY(run(QStringLiteral("chown"), {QStringLiteral("-R"), QStringLiteral("65534:65534"), app.path()})
                .exitCode == 0);
    const QString vendor = vendorNode(kModelVendorId, kModelReceiverProductId);
    QVERIFY(!vendor.isEmpty());
    const Run denied =
        run(QStringLiteral("setpriv"),
            {QStringLiteral("--reuid=65534"), QStringLiteral("--regid=65534"),
             QStringLiteral("--clear-groups"), TempAppDir::executable(QStringLiteral("mousecfgctl")),
             QStringLiteral("--app-dir"), app.path(), QStringLiteral("devices")});
    QCOMPARE(denied.exitCode, 77);
    QVERIFY2(denied.err.contains(vendor.toLatin1()), denied.err.constData());
    QVERIFY(denied.err.contains("70-mousecfg.rules"));
}

void ToolTest::theInstalledRuleTagsTheMouseOnly()
{
    const QString rule = QStringLiteral(MOUSECFG_BUILD_APP_DIR "/../packaging/70-mousecfg.rules");
    const QString installed = QStringLiteral("/etc/udev/rules.d/70-mousecfg.rules");
    QVERIFY(QFile::exists(rule));
    QFile::remove(installed);
    QVERIFY(QFile::copy(rule, installed));
    QVERIFY(
        run(QStringLiteral("udevadm"), {QStringLiteral("control"), QStringLiteral("--reload")}).exitCode ==
        0);

    const QByteArray mouse = udevTest(vendorNode(kModelVendorId, kModelReceiverProductId));
    QVERIFY2(mouse.contains("70-mousecfg.rules"), mouse.right(2000).constData());
    QVERIFY2(tagsUaccess(mouse), mouse.right(2000).constData());
    const QByteArray other = udevTest(vendorNode(kOtherVendorId, kOtherProductId));
    QVERIFY2(!tagsUaccess(other), other.right(2000).constData());
    QFile::remove(installed);
}
