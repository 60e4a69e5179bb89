// SPDX-License-Identifier: GPL-3.0-or-later
#include "protocol/StatusReply.h"

#include <QtTest>

// The status report as it comes off the vendor interface.
class TestStatusReply : public QObject
{
    Q_OBJECT

private slots:
    void signedReplyGivesBatteryStageAndRate()
    {
        const quint8 report[32] = {0x0A, 0xAA, 0xFF, 0xDD, 0x5C, 0x07, 0x13, 0x02};
        const StatusReply reply = StatusReply::parse(report, 32);
        QVERIFY(reply.valid);
        QCOMPARE(reply.battery, quint8(0x5C));
        QCOMPARE(reply.batteryExtra, quint8(0x07));
        QCOMPARE(reply.dpiStage, quint8(3)); // high bits of byte 6 are not the stage
        QCOMPARE(reply.reportRate, quint8(0x02));
        QCOMPARE(reply.logText("f"), QStringLiteral("hid_read 1 f a aa ff dd 5c 7 13 2."));
    }

    void otherReportsAreNotStatus_data()
    {
        QTest::addColumn<QByteArray>("report");
        QTest::newRow("wrong signature") << QByteArray::fromHex("0aaaffdc5c071302");
        QTest::newRow("signature but cut short") << QByteArray::fromHex("0aaaffdd5c0713");
        QTest::newRow("signature only") << QByteArray::fromHex("0aaaffdd");
        QTest::newRow("nothing read") << QByteArray();
    }
    void otherReportsAreNotStatus()
    {
        QFETCH(QByteArray, report);
        const StatusReply reply =
            StatusReply::parse(reinterpret_cast<const quint8*>(report.constData()), report.size());
        QVERIFY(!reply.valid);
        QCOMPARE(reply.battery, quint8(0));
        QCOMPARE(reply.dpiStage, quint8(0));
    }

    void failedReadsAreNotStatus()
    {
        const quint8 report[8] = {0x0A, 0xAA, 0xFF, 0xDD, 1, 2, 3, 4};
        QVERIFY(!StatusReply::parse(report, -1).valid);
        QVERIFY(!StatusReply::parse(nullptr, 8).valid);
    }
};

QTEST_GUILESS_MAIN(TestStatusReply)
#include "tst_statusreply.moc"
