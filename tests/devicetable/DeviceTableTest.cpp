// SPDX-License-Identifier: GPL-3.0-or-later
#include "hid/DeviceLink.h"
#include "hid/ModelIds.h"
#include "sim/VirtualMouse.h"

#include <QLoggingCategory>
#include <QtTest>

namespace {
const QString kModel = QStringLiteral("TESTMOUSE");

VirtualMouseOptions plugged(bool receiver, bool cable)
{
    VirtualMouseOptions options;
    options.receiverPlugged = receiver;
    options.cablePlugged = cable;
    return options;
}

HidDeviceInfo receiverVendorInterfaceAt(const QByteArray& path)
{
    HidDeviceInfo info;
    info.path = path;
    info.vendorId = kModelVendorId;
    info.productId = kModelReceiverProductId;
    info.usagePage = 0xFF00;
    info.usage = 0xFF00;
    info.interfaceNumber = 2;
    return info;
}

bool sameTable(const DeviceEntry& a, const DeviceEntry& b)
{
    for (int slot = 0; slot < kInterfaceSlotCount; ++slot) {
        if (a.paths[slot] != b.paths[slot] || a.found[slot] != b.found[slot])
            return false;
    }
    return a.name == b.name;
}
} // namespace

class DeviceTableTest : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { QLoggingCategory::setFilterRules(QStringLiteral("mousecfg.*.debug=false")); }
    void resetFillsTheModelEntry();
    void scanRecordsEveryInterfaceOfThePluggedIdentities();
    void scanWithoutMatchLeavesTheTableAlone();
    void scanHonoursTheReleaseFilter();
    void overLongPathIsRefusedNotCut();
    void openNeedsTheNameAndBothInterfaces();
    void closeAllClosesHandlesHeldElsewhere();
};

void DeviceTableTest::resetFillsTheModelEntry()
{
    auto mouse = std::make_shared<VirtualMouse>();
    DeviceLink link(mouse, mouse->clock());
    link.reset(kModel);
    link.reset(kModel);
    const QVector<DeviceEntry> entries = link.entries();
    QCOMPARE(entries.size(), 1);
    const DeviceEntry& entry = entries[0];
    QCOMPARE(entry.name, kModel);
    QCOMPARE(entry.identities[ReceiverIdentity].vendorId, quint32(kModelVendorId));
    QCOMPARE(entry.identities[CableIdentity].vendorId, quint32(kModelVendorId));
    QCOMPARE(entry.identities[ReceiverIdentity].productId, quint32(kModelReceiverProductId));
    QCOMPARE(entry.identities[CableIdentity].productId, quint32(kModelCableProductId));
    for (const DeviceIdentity& id : entry.identities) {
        QCOMPARE(id.highestRelease, 0u);
        QCOMPARE(id.pointer.usage, 0x0002u);
        QCOMPARE(id.pointer.usagePage, 0x0001u);
        QCOMPARE(id.vendor.usage, 0xFF00u);
        QCOMPARE(id.vendor.usagePage, 0xFF00u);
    }
    QVERIFY(!entry.present());
}

void DeviceTableTest::scanRecordsEveryInterfaceOfThePluggedIdentities()
{
    auto mouse = std::make_shared<VirtualMouse>(plugged(true, true));
    DeviceLink link(mouse, mouse->clock());
    link.reset(kModel);
    QCOMPARE(link.scan(), 0);
    const DeviceEntry entry = link.entries().at(0);
    for (const VirtualIdentity identity : {VirtualIdentity::Receiver, VirtualIdentity::Cable}) {
        const int index = identity == VirtualIdentity::Cable ? CableIdentity : ReceiverIdentity;
        for (const HidDeviceInfo& info : mouse->interfaces(identity)) {
            const InterfaceSlot slot = info.usagePage == 0xFF00 ? vendorSlot(index) : pointerSlot(index);
            QVERIFY(entry.found[slot]);
            QCOMPARE(entry.paths[slot], info.path);
        }
    }
    QCOMPARE(link.cableVendorRelease(), 0x0100u);
}

void DeviceTableTest::scanWithoutMatchLeavesTheTableAlone()
{
    VirtualMouseOptions options = plugged(true, false);
    HidDeviceInfo keyboard;
    keyboard.path = "virtual:keyboard";
    keyboard.vendorId = 0x1234;
    keyboard.productId = kModelReceiverProductId;
    keyboard.usagePage = 0xFF00;
    keyboard.usage = 0xFF00;
    options.otherDevices = {keyboard};
    auto mouse = std::make_shared<VirtualMouse>(options);
    DeviceLink link(mouse, mouse->clock());
    link.reset(kModel);
    link.scan();
    const DeviceEntry before = link.entries().at(0);
    QVERIFY(before.identityPresent(ReceiverIdentity));

    mouse->unplug(VirtualIdentity::Receiver);
    QCOMPARE(link.scan(), 0);
    QVERIFY(sameTable(link.entries().at(0), before));

    mouse->setInitFails(true);
    QCOMPARE(link.scan(), -1);
    QVERIFY(sameTable(link.entries().at(0), before));
}

void DeviceTableTest::scanHonoursTheReleaseFilter()
{
    auto mouse = std::make_shared<VirtualMouse>(plugged(true, true));
    DeviceLink link(mouse, mouse->clock());
    link.reset(kModel);
    DeviceEntry entry = link.entries().at(0);
    entry.identities[ReceiverIdentity].lowestRelease = 0x0200;
    entry.identities[ReceiverIdentity].highestRelease = 0x0300;
    entry.identities[CableIdentity].lowestRelease = 0x0100;
    entry.identities[CableIdentity].highestRelease = 0x0100;
    QVERIFY(link.setEntry(0, entry));
    QVERIFY(!link.setEntry(1, entry));
    link.scan();
    entry = link.entries().at(0);
    QVERIFY(!entry.found[ReceiverPointer]);
    QVERIFY(!entry.found[ReceiverVendor]);
    QVERIFY(entry.identityPresent(CableIdentity));
}

void DeviceTableTest::overLongPathIsRefusedNotCut()
{
    const QByteArray longest(DeviceEntry::kMaxPathLength, 'a');
    VirtualMouseOptions options = plugged(false, false);
    options.otherDevices = {receiverVendorInterfaceAt(longest + 'b')};
    auto tooLong = std::make_shared<VirtualMouse>(options);
    DeviceLink link(tooLong, tooLong->clock());
    link.reset(kModel);
    link.scan();
    QVERIFY(!link.entries().at(0).found[ReceiverVendor]);
    QVERIFY(link.entries().at(0).paths[ReceiverVendor].isEmpty());

    options.otherDevices = {receiverVendorInterfaceAt(longest)};
    auto fits = std::make_shared<VirtualMouse>(options);
    DeviceLink fitting(fits, fits->clock());
    fitting.reset(kModel);
    fitting.scan();
    QVERIFY(fitting.entries().at(0).found[ReceiverVendor]);
    QCOMPARE(fitting.entries().at(0).paths[ReceiverVendor], longest);
}

void DeviceTableTest::openNeedsTheNameAndBothInterfaces()
{
    auto mouse = std::make_shared<VirtualMouse>(plugged(true, true));
    DeviceLink link(mouse, mouse->clock());
    link.reset(kModel);
    link.scan();
    link.open(QStringLiteral("testmouse"));
    QVERIFY(!link.vendorHandle());

    DeviceEntry entry = link.entries().at(0);
    entry.found[CablePointer] = false;
    link.setEntry(0, entry);
    link.open(kModel);
    QVERIFY(link.isOpen(ReceiverPointer));
    QVERIFY(link.isOpen(ReceiverVendor));
    QVERIFY(!link.isOpen(CablePointer));
    QVERIFY(!link.isOpen(CableVendor));
}

void DeviceTableTest::closeAllClosesHandlesHeldElsewhere()
{
    auto mouse = std::make_shared<VirtualMouse>(plugged(true, true));
    DeviceLink link(mouse, mouse->clock());
    link.reset(kModel);
    link.scan();
    link.open(kModel);
    const std::shared_ptr<DeviceHandle> held = link.vendorHandle();
    QVERIFY(held && held->isOpen());
    link.closeAll();
    for (const InterfaceSlot slot : {ReceiverPointer, ReceiverVendor, CablePointer, CableVendor})
        QVERIFY(!link.isOpen(slot));
    QVERIFY(!link.vendorHandle());
    QVERIFY(!held->isOpen());
    const quint8 report[33] = {};
    QCOMPARE(held->write(report, 33), -1);
    link.shutdown();
}

QTEST_GUILESS_MAIN(DeviceTableTest)
#include "DeviceTableTest.moc"
