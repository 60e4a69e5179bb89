// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/DeviceDiscovery.h"
#include "app/MousecfgWidget.h"
#include "device/DeviceSession.h"
#include "hid/DeviceLink.h"
#include "hid/DeviceServices.h"
#include "storage/AppConfig.h"
#include "storage/ModelDescription.h"
#include "storage/ProfileSetStore.h"
#include "storage/ProfileWorkspace.h"
#include "support/WindowRig.h"
#include "widgets/OakMessageBox.h"
#include "widgets/OakPushButton.h"

#include <QSignalSpy>
#include <QThread>
#include <QtTest>
#include <atomic>

namespace {

VirtualMouseOptions plugged(bool receiver, bool cable = false)
{
    VirtualMouseOptions options;
    options.receiverPlugged = receiver;
    options.cablePlugged = cable;
    return options;
}

// Device discovery and the session it drives, without a window.
struct DiscoveryRig
{
    explicit DiscoveryRig(bool receiver, bool cable = false)
        : devices(createDeviceSetup([&] {
              DeviceOptions options;
              options.virtualMouse = true;
              options.virtualOptions = plugged(receiver, cable);
              return options;
          }()))
    {
    }

    HidDeviceInfo interfaceOf(VirtualIdentity identity, int kind) const
    {
        for (const HidDeviceInfo& info : devices.virtualMouse->interfaces(identity)) {
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
    DeviceLink& link() { return *devices.services->link; }
    VirtualMouse& mouse() { return *devices.virtualMouse; }

    TempAppDir dir;
    AppConfig config{dir.paths()};
    DeviceSetup devices;
    DeviceSession session{*devices.services, dir.paths()};
    DeviceDiscovery discovery{session, config};
};

OakMessageBox* warning(WindowRig& rig)
{
    return rig.find<OakMessageBox>(QStringLiteral("disconnectWarning"));
}

} // namespace

class TestHotPlug : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void receiverArrivingWhileNoMouseEndsTheWarning()
    {
        WindowRig rig(plugged(false));
        MousecfgWidget& window = rig.open();
        QCOMPARE(window.presentModelCount(), 0);
        QTRY_VERIFY(warning(rig) && warning(rig)->isVisible());
        QCOMPARE(warning(rig)->text(), QStringLiteral("Dongle Disconnect!"));

        rig.mouse().plug(VirtualIdentity::Receiver);
        QTRY_COMPARE(window.presentModelCount(), 1);
        QTRY_VERIFY(rig.discovery().deviceReady());
        QTRY_VERIFY(!warning(rig));
        QVERIFY(window.isVisible());
        QVERIFY(rig.link().isOpen(ReceiverVendor));
        QCOMPARE(AppConfig(rig.paths()).currentProductName(), QStringLiteral("Wren W8"));
        // With the warning gone the tray hides the window again.
        window.iconActivated(QSystemTrayIcon::DoubleClick);
        QVERIFY(window.isHidden());
    }

    void cableArrivingBesideTheReceiverReopensWithoutWarning()
    {
        WindowRig rig(plugged(true));
        (void)AppConfig(rig.paths()).setDiff(0);
        MousecfgWidget& window = rig.open();
        QCOMPARE(window.presentModelCount(), 1);
        QVERIFY(!rig.link().isOpen(CableVendor));

        rig.mouse().plug(VirtualIdentity::Cable);
        QTRY_VERIFY(rig.link().isOpen(CableVendor));
        QVERIFY(rig.link().isOpen(ReceiverVendor));
        QVERIFY(!warning(rig));
        QCOMPARE(window.presentModelCount(), 1);
        // A connection appeared: what is stored may differ from the mouse.
        QCOMPARE(AppConfig(rig.paths()).diff(), 1);
    }

    void acceptingTheWarningWithoutMouseHidesTheWindow()
    {
        WindowRig rig(plugged(false));
        MousecfgWidget& window = rig.open();
        QTRY_VERIFY(warning(rig) && warning(rig)->isVisible());
        QVERIFY(window.isVisible());
        // While the warning is up the tray does not hide the window.
        window.iconActivated(QSystemTrayIcon::DoubleClick);
        QVERIFY(window.isVisible());
        warning(rig)->acceptButton()->click();
        QVERIFY(window.isHidden());
        window.iconActivated(QSystemTrayIcon::DoubleClick);
        QTRY_VERIFY(warning(rig) && warning(rig)->isVisible());
    }

    void lastMouseLeavingClosesTheInterfacesAndWarns()
    {
        WindowRig rig(plugged(true));
        MousecfgWidget& window = rig.open();
        QTRY_VERIFY(window.isVisible());
        QVERIFY(rig.session().isPolling());
        rig.mouse().unplug(VirtualIdentity::Receiver);
        QTRY_COMPARE(window.presentModelCount(), 0);
        QVERIFY(!rig.session().isPolling());
        // Closed once the poll has left.
        QTRY_VERIFY(!rig.link().isOpen(ReceiverVendor));
        QTRY_VERIFY(warning(rig) && warning(rig)->isVisible());
    }

    void mouseBackBeforeTheWarningIsDueEndsTheWarning()
    {
        WindowRig rig(plugged(true));
        MousecfgWidget& window = rig.open();
        QTRY_VERIFY(window.isVisible());
        rig.mouse().unplug(VirtualIdentity::Receiver);
        rig.mouse().plug(VirtualIdentity::Receiver);
        QTRY_VERIFY(rig.discovery().deviceReady());
        QVERIFY(!warning(rig));
        // The tray can hide the window again.
        QTRY_VERIFY(window.isVisible());
        window.iconActivated(QSystemTrayIcon::DoubleClick);
        QVERIFY(window.isHidden());
    }

    void removingOneInterfaceReopensTheRestAfterAPause()
    {
        DiscoveryRig rig(true, true);
        rig.discovery.initialise();
        rig.discovery.openCurrentModel();
        QVERIFY(rig.link().isOpen(CableVendor));
        QVERIFY(rig.session.isPolling());
        QSignalSpy polling(&rig.session, &DeviceSession::pollingChanged);

        rig.discovery.handleChange(rig.change(false, VirtualIdentity::Receiver, MouseInterface));
        // The poll is off at once, and the interfaces close for the pause
        // as soon as it has left them.
        QVERIFY(!rig.session.isPolling());
        QTRY_VERIFY(!rig.link().isOpen(CableVendor));
        QTRY_VERIFY(rig.link().isOpen(CableVendor));
        QVERIFY(!rig.link().isOpen(ReceiverVendor));
        QCOMPARE(rig.discovery.presentModelCount(), 1);
        // Once re-opened, the poll runs again on the remaining interface.
        QVERIFY(rig.session.isPolling());
        QCOMPARE(polling.count(), 2);
        QCOMPARE(polling.last().first().toBool(), true);
    }

    void changesThatConcernNoFlagChangeNothing()
    {
        DiscoveryRig rig(true);
        rig.discovery.initialise();
        rig.discovery.openCurrentModel();
        QSignalSpy warnings(&rig.discovery, &DeviceDiscovery::warningDue);
        QSignalSpy lists(&rig.discovery, &DeviceDiscovery::mouseListChanged);
        const QVector<DeviceEntry> before = rig.link().entries();

        // The cable's interface was never there; a keyboard is not ours.
        rig.discovery.handleChange(rig.change(false, VirtualIdentity::Cable, MouseInterface));
        rig.discovery.handleChange(DeviceChange{false, "virtual:keyboard", OtherInterface, 0, 0});
        rig.discovery.handleChange(DeviceChange{true, "virtual:keyboard", MouseInterface, 0x1234, 0x5678});
        // An interface of our receiver that is neither of the two we use.
        rig.discovery.handleChange(rig.change(false, VirtualIdentity::Receiver, OtherInterface));

        QVERIFY(rig.link().isOpen(ReceiverVendor));
        QVERIFY(rig.session.isPolling());
        QCOMPARE(rig.link().entries().first().found[ReceiverPointer], before.first().found[ReceiverPointer]);
        QCOMPARE(rig.link().entries().first().found[CablePointer], false);
        QTest::qWait(0);
        QCOMPARE(warnings.count(), 0);
        QCOMPARE(lists.count(), 0);
    }

    // udev on a real system announced the receiver's vendor interface (2)
    // before its pointer (0) on a replug: the order must not matter.
    void vendorArrivingBeforeThePointerStillBringsTheMouse()
    {
        DiscoveryRig rig(false);
        rig.discovery.initialise();
        QSignalSpy warnClose(&rig.discovery, &DeviceDiscovery::warnCloseDue);
        rig.mouse().plug(VirtualIdentity::Receiver);
        rig.discovery.handleChange(rig.change(true, VirtualIdentity::Receiver, VendorInterface));
        QCOMPARE(rig.discovery.presentModelCount(), 0);
        rig.discovery.handleChange(rig.change(true, VirtualIdentity::Receiver, MouseInterface));
        QCOMPARE(rig.discovery.presentModelCount(), 1);
        QVERIFY(warnClose.wait(2000));
    }

    void releaseOutsideTheRangeIsNotRecorded()
    {
        DiscoveryRig rig(false);
        rig.discovery.initialise();
        DeviceEntry entry = rig.link().entries().first();
        entry.identities[ReceiverIdentity].lowestRelease = 0x0200;
        entry.identities[ReceiverIdentity].highestRelease = 0x0300;
        rig.link().setEntry(0, entry);

        rig.mouse().plug(VirtualIdentity::Receiver);
        rig.discovery.handleChange(rig.change(true, VirtualIdentity::Receiver, MouseInterface));
        rig.discovery.handleChange(rig.change(true, VirtualIdentity::Receiver, VendorInterface));
        QCOMPARE(rig.discovery.presentModelCount(), 0);
        QVERIFY(!rig.link().entries().first().found[ReceiverVendor]);
    }

    // The receiver is pulled and put back while an apply runs: the download
    // ends with its own result on the handles it started with, the re-open
    // waits for it, and the saved state is what the apply sent.
    void replugDuringAnApplyWaitsForIt()
    {
        WindowRig rig(plugged(true));
        rig.open();
        ProfileWorkspace& workspace = rig.workspace();
        DeviceSession& session = rig.session();
        // The window adopts the DPI stage the mouse reports once the poll
        // resumes; this case looks at what the apply itself saved.
        QObject::disconnect(&session, &DeviceSession::RefreshStatus, &rig.window(), nullptr);
        workspace.current().dpi = 3;
        workspace.noteEdited();
        QVERIFY(workspace.hasUnsavedChanges());

        std::atomic<int> reports{0};
        rig.mouse().setTraceObserver([&](const TraceRecord&) {
            if (++reports == 7) {
                rig.mouse().unplug(VirtualIdentity::Receiver);
                rig.mouse().plug(VirtualIdentity::Receiver);
            }
        });
        QSignalSpy finished(&session, &DeviceSession::applyFinished);
        connect(&session, &DeviceSession::applyFinished, &workspace,
                [&](const ApplyOutcome& outcome) { workspace.markSaved(outcome.sent); });
        ApplyJob job;
        job.paths = rig.paths();
        job.modelName = workspace.modelName();
        job.working = workspace.working();
        job.previous = workspace.saved();
        QVERIFY(session.apply(job));
        QVERIFY(!session.isPolling());
        QVERIFY(!session.apply(job)); // one apply at a time

        QTRY_COMPARE(finished.count(), 1);
        rig.mouse().setTraceObserver(nullptr);
        const ApplyOutcome outcome = finished.first().first().value<ApplyOutcome>();
        QVERIFY(outcome.result != 0);
        QVERIFY(!workspace.hasUnsavedChanges());
        QCOMPARE(int(workspace.saved().current().dpi), 3);
        // The replug is handled after the download: handles re-open, the poll resumes.
        QTRY_VERIFY(rig.link().isOpen(ReceiverVendor));
        QTRY_VERIFY(session.isPolling());
        ProfileSet onDisk;
        ProfileSetStore(rig.paths(), workspace.modelName()).loadSet(onDisk);
        QCOMPARE(int(onDisk.current().dpi), 3);
    }
};

QTEST_MAIN(TestHotPlug)
#include "tst_hotplug.moc"
