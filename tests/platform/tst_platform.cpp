// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/InterfaceName.h"

#ifdef Q_OS_LINUX
#include "platform/linux/HidReportDescriptor.h"
#endif

#include <QtTest>

class TestPlatform : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void interfaceNamesAreClassified_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("kind");
        QTest::addColumn<int>("vendorId");
        QTest::addColumn<int>("productId");
        QTest::newRow("mouse interface")
            << "\\\\?\\HID#VID_1209&PID_0001&MI_00#7&2a1b3c4d&0&0000#{4d1e55b2-f16f-11cf-88cb-001111000030}"
            << 1 << 0x1209 << 0x0001;
        QTest::newRow("vendor interface with collection")
            << "\\\\?\\HID#VID_1209&PID_0002&REV_0100&MI_02&Col01#8&1&0&0000#{4d1e55b2-f16f-11cf-88cb-"
               "001111000030}"
            << 4 << 0x1209 << 0x0002;
        QTest::newRow("other interface")
            << "\\\\?\\HID#VID_1209&PID_0001&MI_01#7&2&0&0000#{guid}" << 0 << 0 << 0;
        QTest::newRow("keyboard") << "\\\\?\\HID#VID_1234&PID_5678#7&1&0&0000#{guid}" << 0 << 0 << 0;
        QTest::newRow("not hexadecimal") << "\\\\?\\HID#VID_12G9&PID_00Z1&MI_00#7" << 1 << 0 << 0;
        QTest::newRow("empty") << QString() << 0 << 0 << 0;
        QTest::newRow("prefix only") << "\\\\?\\" << 0 << 0 << 0;
    }
    void interfaceNamesAreClassified()
    {
        QFETCH(QString, name);
        QFETCH(int, kind);
        QFETCH(int, vendorId);
        QFETCH(int, productId);
        const DeviceChange change = classifyInterfaceName(name);
        QCOMPARE(change.kind, kind);
        QCOMPARE(int(change.vendorId), vendorId);
        QCOMPARE(int(change.productId), productId);
    }

#ifdef Q_OS_LINUX
    void reportDescriptorsGiveTheirTopLevelCollections()
    {
        // Mouse collection with a nested physical collection, then a vendor
        // collection (two-byte usage page), then a four-byte extended usage.
        const QByteArray descriptor = QByteArray::fromHex("05010902a1010901a10005091901290315002501c0c0"
                                                          "0600ff0a00ff"
                                                          "a101150026ff007508952009008102c0"
                                                          "0b01000c00a101c0");
        const auto collections = topLevelCollections(descriptor);
        QCOMPARE(collections.size(), 3);
        QCOMPARE(collections.at(0), qMakePair(quint16(0x0001), quint16(0x0002)));
        QCOMPARE(collections.at(1), qMakePair(quint16(0xFF00), quint16(0xFF00)));
        QCOMPARE(collections.at(2), qMakePair(quint16(0x000C), quint16(0x0001)));
    }

    void brokenReportDescriptorsDoNotOverrun()
    {
        QCOMPARE(topLevelCollections(QByteArray()).size(), 0);
        QCOMPARE(topLevelCollections(QByteArray::fromHex("0601")).size(), 0);
        QCOMPARE(topLevelCollections(QByteArray::fromHex("fe")).size(), 0);
        QCOMPARE(topLevelCollections(QByteArray::fromHex("fe40")).size(), 0);
        QCOMPARE(topLevelCollections(QByteArray::fromHex("05010902a101c0c0c0a101")).size(), 2);
    }
#endif
};

QTEST_GUILESS_MAIN(TestPlatform)
#include "tst_platform.moc"
