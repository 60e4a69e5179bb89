#include "app/AppContext.h"
#include "app/DeviceDiscovery.h"
#include "app/MousecfgWidget.h"
#include "device/ConfigurationDownload.h"
#include "device/DeviceState.h"
#include "hid/DeviceLink.h"
#include "protocol/SensorTables.h"
#include "sim/VirtualMouse.h"
#include "storage/AppConfig.h"
#include "storage/ModelDescription.h"
#include "storage/ProfileSetStore.h"
#include "support/TempAppDir.h"
#include "widgets/OakPushButton.h"

#include <QSignalSpy>
#include <QThread>
#include <QtTest>
#include <atomic>

namespace {

// An application directory, a virtual mouse plugged as asked and the
// context that ties them together.
struct Rig
{
    explicit Rig(bool receiver, bool cable = false)
    {
        VirtualMouseOptions options;
        options.receiverPlugged = receiver;
        options.cablePlugged = cable;
        mouse = std::make_shared<VirtualMouse>(options);
        context.useVirtualMouse(mouse);
    }

    HidDeviceInfo interfaceOf(VirtualIdentity identity, int kind) const
    {
        for (const HidDeviceInfo& info : mouse->interfaces(identity)) {
            if ((kind == MouseInterface) == (info.usagePage == 0x0001))
                return info;
        }
        return HidDeviceInfo();
    }
    DeviceChange change(bool arrived, VirtualIdentity identity, int kind) const
    {
        const HidDeviceInfo info = interfaceOf(identity, kind);
        return DeviceChange{arrived, info.path, kind, info.vendorId, info.productId};
    }
    DeviceLink& link() { return *context.link; }

    TempAppDir dir;
    AppContext context{dir.paths()};
    AppConfig config{dir.paths()};
    std::shared_ptr<VirtualMouse> mouse;
};

} // namespace

class TestHotPlug : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void receiverArrivingWhileNoMouseEndsTheWarning()
    {
        Rig rig(false);
        MousecfgWidget window(rig.context);
        QCOMPARE(window.presentModelCount(), 0);
        QTRY_VERIFY(window.disconnectWarning() && window.disconnectWarning()->isVisible());
        QCOMPARE(window.disconnectWarning()->text(), QStringLiteral("Dongle Disconnect!"));
        QVERIFY(rig.context.warningOpen);

        rig.mouse->plug(VirtualIdentity::Receiver);
        QTRY_COMPARE(window.presentModelCount(), 1);
        QTRY_VERIFY(window.deviceReady());
        QTRY_VERIFY(!window.disconnectWarning());
        QVERIFY(!rig.context.warningOpen);
        QVERIFY(window.isVisible());
        QVERIFY(rig.link().isOpen(ReceiverVendor));
        QCOMPARE(rig.config.currentProductName(), QStringLiteral("Wren W8"));
    }

    void cableArrivingBesideTheReceiverReopensWithoutWarning()
    {
        Rig rig(true);
        rig.config.setDiff(0);
        MousecfgWidget window(rig.context);
        QCOMPARE(window.presentModelCount(), 1);
        QVERIFY(!rig.link().isOpen(CableVendor));

        rig.mouse->plug(VirtualIdentity::Cable);
        QTRY_VERIFY(rig.link().isOpen(CableVendor));
        QVERIFY(rig.link().isOpen(ReceiverVendor));
        QVERIFY(!window.disconnectWarning());
        QCOMPARE(window.presentModelCount(), 1);
        // A connection appeared: what is stored may differ from the mouse.
        QCOMPARE(rig.config.diff(), 1);
    }

    void acceptingTheWarningWithoutMouseHidesTheWindow()
    {
        Rig rig(false);
        MousecfgWidget window(rig.context);
        QTRY_VERIFY(window.disconnectWarning() && window.disconnectWarning()->isVisible());
        QVERIFY(window.isVisible());
        window.disconnectWarning()->acceptButton()->click();
        QVERIFY(window.isHidden());
        QVERIFY(!rig.context.warningOpen);
    }

    void lastMouseLeavingWarnsAgain()
    {
        Rig rig(true);
        MousecfgWidget window(rig.context);
        QTRY_VERIFY(window.isVisible());
        rig.mouse->unplug(VirtualIdentity::Receiver);
        QTRY_COMPARE(window.presentModelCount(), 0);
        QVERIFY(rig.context.warningOpen);
        QVERIFY(!rig.link().isOpen(ReceiverVendor));
        QTRY_VERIFY(window.disconnectWarning() && window.disconnectWarning()->isVisible());
    }

    void mouseBackBeforeTheWarningIsDueEndsTheWarning()
    {
        Rig rig(true);
        MousecfgWidget window(rig.context);
        QTRY_VERIFY(window.isVisible());
        rig.mouse->unplug(VirtualIdentity::Receiver);
        rig.mouse->plug(VirtualIdentity::Receiver);
        QTRY_VERIFY(window.deviceReady());
        QTRY_VERIFY(!rig.context.warningOpen);
        QVERIFY(!window.disconnectWarning());
        // The tray can hide the window again.
        window.iconActivated(QSystemTrayIcon::DoubleClick);
        QVERIFY(window.isHidden());
    }

    void removingOneInterfaceReopensTheRestAfterAPause()
    {
        Rig rig(true, true);
        DeviceDiscovery discovery(rig.link(), rig.config, rig.context);
        discovery.initialise();
        discovery.openCurrentModel();
        QVERIFY(rig.link().isOpen(CableVendor));

        discovery.handleChange(rig.change(false, VirtualIdentity::Receiver, MouseInterface));
        QVERIFY(!rig.link().isOpen(CableVendor));
        QTRY_VERIFY(rig.link().isOpen(CableVendor));
        QVERIFY(!rig.link().isOpen(ReceiverVendor));
        QCOMPARE(discovery.presentModelCount(), 1);
    }

    void changesThatConcernNoFlagChangeNothing()
    {
        Rig rig(true);
        DeviceDiscovery discovery(rig.link(), rig.config, rig.context);
        discovery.initialise();
        discovery.openCurrentModel();
        QSignalSpy warnings(&discovery, &DeviceDiscovery::warningDue);
        QSignalSpy lists(&discovery, &DeviceDiscovery::mouseListChanged);
        const QVector<DeviceEntry> before = rig.link().entries();

        // The cable's interface was never there; a keyboard is not ours.
        discovery.handleChange(rig.change(false, VirtualIdentity::Cable, MouseInterface));
        discovery.handleChange(DeviceChange{false, "virtual:keyboard", OtherInterface, 0, 0});
        discovery.handleChange(DeviceChange{true, "virtual:keyboard", MouseInterface, 0x1234, 0x5678});
        // An interface of our receiver that is neither of the two we use.
        discovery.handleChange(rig.change(false, VirtualIdentity::Receiver, OtherInterface));

        QVERIFY(rig.link().isOpen(ReceiverVendor));
        QCOMPARE(rig.link().entries().first().found[ReceiverPointer], before.first().found[ReceiverPointer]);
        QCOMPARE(rig.link().entries().first().found[CablePointer], false);
        QTest::qWait(0);
        QCOMPARE(warnings.count(), 0);
        QCOMPARE(lists.count(), 0);
    }

    void releaseOutsideTheRangeIsNotRecorded()
    {
        Rig rig(false);
        DeviceDiscovery discovery(rig.link(), rig.config, rig.context);
        discovery.initialise();
        DeviceEntry entry = rig.link().entries().first();
        entry.identities[ReceiverIdentity].lowestRelease = 0x0200;
        entry.identities[ReceiverIdentity].highestRelease = 0x0300;
        rig.link().setEntry(0, entry);

        rig.mouse->plug(VirtualIdentity::Receiver);
        discovery.handleChange(rig.change(true, VirtualIdentity::Receiver, MouseInterface));
        discovery.handleChange(rig.change(true, VirtualIdentity::Receiver, VendorInterface));
        QCOMPARE(discovery.presentModelCount(), 0);
        QVERIFY(!rig.link().entries().first().found[ReceiverVendor]);
    }

    void unplugDuringADownloadLeavesItsHandlesAlone()
    {
        Rig rig(true);
        DeviceDiscovery discovery(rig.link(), rig.config, rig.context);
        connect(
            rig.mouse.get(), &VirtualMouse::interfaceRemoved, &discovery,
            [&](const HidDeviceInfo& info) {
                const int kind = info.usagePage == 0x0001 ? MouseInterface : VendorInterface;
                discovery.handleChange({false, info.path, kind, info.vendorId, info.productId});
            },
            Qt::QueuedConnection);
        discovery.initialise();
        discovery.openCurrentModel();
        discovery.setDownloadRunning(true);

        std::atomic<int> reports{0};
        rig.mouse->setTraceObserver([&](const TraceRecord&) {
            if (++reports == 7)
                rig.mouse->unplug(VirtualIdentity::Receiver);
        });
        ProfileSet set;
        ProfileSetStore(rig.context.paths, rig.config.currentProductName()).loadSet(set);
        DeviceState deviceState;
        ConfigurationDownload download(rig.link(), deviceState, rig.context.paths, SensorTables::shipped());
        std::atomic<int> result{-1};
        QThread* worker = QThread::create([&] {
            result = download.downloadConfiguration(
                set,
                ModelDescription::read(rig.context.paths, AppConfig(rig.context.paths).currentProductName()));
        });
        worker->start();
        // The removal arrives while the download runs; its handles stay.
        QTRY_COMPARE(discovery.presentModelCount(), 0);
        QVERIFY(worker->wait(30000));
        delete worker;
        QVERIFY(result != 0 && result != -1);
        QVERIFY(discovery.reopenPending());
        QVERIFY(rig.link().isOpen(ReceiverVendor));

        discovery.setDownloadRunning(false);
        QVERIFY(!rig.link().isOpen(ReceiverVendor));
        rig.mouse->setTraceObserver(nullptr);
    }
};

QTEST_MAIN(TestHotPlug)
#include "tst_hotplug.moc"
