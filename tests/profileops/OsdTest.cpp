// SPDX-License-Identifier: GPL-3.0-or-later
#include "OsdTest.h"

#include "app/osd/OsdServer.h"
#include "app/osd/OsdWindow.h"
#include "platform/LocalOsdClient.h"
#include "platform/OsdRecord.h"
#include "storage/AppConfig.h"

#include <QElapsedTimer>
#include <QSignalSpy>
#include <QTimer>
#include <QUuid>
#include <QtTest>
#include <memory>

namespace {

QString uniqueServerName()
{
    return QStringLiteral("mousecfg-osd-test-") + QUuid::createUuid().toString(QUuid::Id128);
}

// The longest pause of the event loop while it runs, seen by a 5 ms timer.
class LatencyProbe
{
public:
    LatencyProbe()
    {
        m_clock.start();
        QObject::connect(&m_timer, &QTimer::timeout,
                         [this] { m_longest = qMax(m_longest, m_clock.restart()); });
        m_timer.start(5);
    }
    qint64 longestMs() const { return m_longest; }

private:
    QTimer m_timer;
    QElapsedTimer m_clock;
    qint64 m_longest = 0;
};

QByteArray utf16(const char* text, int fieldBytes)
{
    QByteArray bytes;
    for (const char* c = text; *c; ++c)
        bytes.append(*c).append('\0');
    return bytes.leftJustified(fieldBytes, '\0');
}

} // namespace

void OsdTest::recordBytes()
{
    const QByteArray record = OsdRecord::build(QStringLiteral("DPI 2:1600"), QColor(255, 125, 0));
    QByteArray expected = utf16("DPI 2:1600", 512);
    expected += QByteArray::fromHex("00000000"
                                    "dc050000"
                                    "00000000"
                                    "ff7d0000"
                                    "3c000000");
    expected += utf16("Arial", 512);
    QCOMPARE(record.size(), 1044);
    QCOMPARE(record.toHex(), expected.toHex());

    // Each theme colour: red, green, blue in the low bytes, the top byte zero.
    for (int id = 0; id < AppConfig::kThemeColours; ++id) {
        const QColor colour = AppConfig::themeColorAt(id);
        const QByteArray bytes = OsdRecord::build(QStringLiteral("x"), colour).mid(524, 4);
        QByteArray rgb0;
        rgb0.append(char(colour.red())).append(char(colour.green())).append(char(colour.blue())).append('\0');
        QCOMPARE(bytes, rgb0);
    }

    // A text too long for the record is cut to 255 characters and keeps its
    // terminator; half of a surrogate pair is never left at the cut.
    QString longText(254, QLatin1Char('a'));
    longText += QString::fromUcs4(U"\U0001F5B1") + QStringLiteral("tail");
    const QByteArray cut = OsdRecord::build(longText, Qt::white);
    OsdRecord::Message message;
    QVERIFY(OsdRecord::parse(cut, message));
    QCOMPARE(message.text, QString(254, QLatin1Char('a')));
    QCOMPARE(cut.mid(508, 4), QByteArray(4, '\0'));
    QVERIFY(!OsdRecord::parse(cut.left(1000), message));
}

void OsdTest::missingCompanionIsStartedFiveTimesWithoutBlocking()
{
    int starts = 0;
    // At the real pause between attempts, so that waiting it out on the
    // spot would show as a stalled event loop.
    LocalOsdClient client(uniqueServerName(), [&] {
        ++starts;
        return false;
    });
    QSignalSpy dropped(&client, &LocalOsdClient::dropped);
    LatencyProbe probe;
    QElapsedTimer call;
    call.start();
    client.showText(QStringLiteral("125 HZ"), Qt::red);
    client.showText(QStringLiteral("250 HZ"), Qt::red);
    // A blocking start waits 500 ms per attempt; a loaded machine delays a
    // timer tick by far less than that.
    QVERIFY(call.elapsed() < 100);
    QVERIFY(dropped.wait(10000));
    QCOMPARE(starts, LocalOsdClient::kMaxStarts);
    QVERIFY(!client.isWaiting());
    QVERIFY2(probe.longestMs() < 250, qPrintable(QString::number(probe.longestMs())));

    // The next text tries again from the start.
    client.showText(QStringLiteral("500 HZ"), Qt::red);
    QVERIFY(dropped.wait(10000));
    QCOMPARE(starts, 2 * LocalOsdClient::kMaxStarts);
}

void OsdTest::startedCompanionShowsTheLatestText()
{
    const QString name = uniqueServerName();
    OsdWindow window;
    std::unique_ptr<OsdServer> server;
    int starts = 0;
    // The companion comes up on the second start.
    LocalOsdClient client(
        name,
        [&] {
            if (++starts == 2) {
                server = std::make_unique<OsdServer>(window, name);
                return server->listen();
            }
            return true;
        },
        20);
    QSignalSpy delivered(&client, &LocalOsdClient::delivered);
    client.showText(QStringLiteral("Profile 1"), Qt::green);
    client.showText(QStringLiteral("Profile 2"), QColor(0, 170, 255));
    QVERIFY(delivered.wait(5000));
    QTRY_COMPARE(window.text(), QStringLiteral("Profile 2"));
    QCOMPARE(window.textColour(), QColor(0, 170, 255));
    QCOMPARE(starts, 2);
    QCOMPARE(delivered.size(), 1);

    // Running: the next text goes straight there, nothing is started.
    QSignalSpy shown(server.get(), &OsdServer::messageShown);
    client.showText(QStringLiteral("DPI 3:3200"), Qt::green);
    QVERIFY(shown.wait(5000));
    QCOMPARE(shown.size(), 1);
    QCOMPARE(window.text(), QStringLiteral("DPI 3:3200"));
    QCOMPARE(starts, 2);
    QVERIFY(window.testAttribute(Qt::WA_TranslucentBackground));
    QVERIFY(window.windowFlags() & Qt::WindowTransparentForInput);

    // A second companion on the same name steps back.
    OsdWindow other;
    QVERIFY(!OsdServer(other, name).listen());
}
